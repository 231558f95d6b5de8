#include "calc/book_typing.h"

#include <optional>

#include "base/text_convert.h"
#include "calc/chain.h"
#include "calc/chain_view.h"

namespace {

constexpr FactorySlot kSlots[] = {kMain, kSupport1, kSupport2, kSupport3};

const std::int32_t* BookPrice(const Catalogue& catalogue, const PriceBook& book, const Ware* ware) {
    if (!ware) return nullptr;
    auto price = book.PriceOfWare.find(static_cast<std::int32_t>(ware - catalogue.Wares.data()));
    return price == book.PriceOfWare.end() ? nullptr : &price->second;
}

}  // namespace

bool TypeBookPrices(ChainModel& model, const Catalogue& catalogue, int item, const PriceBook& book, PricedBy step) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return false;
    auto type = [&](const Ware* ware, std::string& text) {
        if (const std::int32_t* price = BookPrice(catalogue, book, ware)) text = IntToText(*price);
    };
    for (FactorySlot slot : kSlots) {
        if (step != PricedBy::ProductButton) {
            const std::size_t rows = step == PricedBy::Choice
                                         ? static_cast<std::size_t>(chain->Stations[slot]->ResourceCount)
                                         : kPricedRows[slot];
            for (std::size_t row = 0; row < rows; ++row)
                type(chain->Resources[slot][row], model[slot].Rows[row].Price);
        }
        // A choice shows each factory's own product in its box; the button prices the ware
        // the box is sold as.
        if (step == PricedBy::Choice) type(chain->Products[slot], model[slot].SalePrice);
        if (step == PricedBy::ProductButton) type(&SalePriceWare(*chain, slot), model[slot].SalePrice);
    }
    if (step == PricedBy::ProductButton) CopySalePricesToMainRows(model);
    return true;
}

bool PriceChain(ChainModel& model, const Catalogue& catalogue, int item, PriceLevel resources, PriceLevel sale,
                const PriceBook* book) {
    if (!ShowChain(model, catalogue, item)) return false;
    if (book) TypeBookPrices(model, catalogue, item, *book, PricedBy::Choice);
    SetResourcePrices(model, catalogue, item, resources);
    if (book) TypeBookPrices(model, catalogue, item, *book, PricedBy::ResourceButton);
    SetProductPrices(model, catalogue, item, sale);
    if (book) TypeBookPrices(model, catalogue, item, *book, PricedBy::ProductButton);
    return true;
}

bool FilledByTransfer(FactorySlot slot, std::optional<std::size_t> row) {
    for (const Supply& supply : kSupplies)
        if (row ? supply.Consumer == slot && supply.Row == *row : supply.Supplier == slot) return true;
    return false;
}

void MarkReadBookWares(const Catalogue& catalogue, int item, const PriceBook& book, bool manual,
                       std::vector<bool>& used) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return;
    used.resize(catalogue.Wares.size(), false);
    // Where a transfer price will stand, a typed price is never read.
    auto replaced = [&](FactorySlot slot, std::optional<std::size_t> row) { return !manual && FilledByTransfer(slot, row); };
    auto mark = [&](const Ware* ware, bool read) {
        if (read && BookPrice(catalogue, book, ware))
            used[static_cast<std::size_t>(ware - catalogue.Wares.data())] = true;
    };
    for (FactorySlot slot : kSlots) {
        for (std::size_t row = 0; row < kResourceRows; ++row) mark(chain->Resources[slot][row], !replaced(slot, row));
        mark(&SalePriceWare(*chain, slot), !replaced(slot, std::nullopt));
    }
}
