#include "calc/chain_view.h"

#include "base/text_convert.h"
#include "calc/result_text.h"

namespace {

void ShowFactory(FactoryTexts& texts, const Chain& chain, FactorySlot slot) {
    const Station& station = *chain.Stations[slot];
    const Ware& product = *chain.Products[slot];
    texts.SalePrice = IntToText(product.AvgPrice);
    texts.Cycle = CycleTimeText(product.CycleSeconds);
    texts.Output = IntToText(product.UnitsPerCycle);
    std::size_t listed = static_cast<std::size_t>(station.ResourceCount);
    for (std::size_t row = 0; row < kResourceRows; ++row) {
        ResourceRowTexts& cells = texts.Rows[row];
        if (row < listed) {
            const Ware& resource = *chain.Resources[slot][row];
            cells = {resource.Name, IntToText(station.ResourceAmounts[row]), IntToText(resource.AvgPrice)};
        } else {
            cells = {};
        }
    }
}

}  // namespace

bool ShowChain(ChainModel& model, const Catalogue& catalogue, int item) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return false;
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3})
        model[slot].Name = chain->Stations[slot]->Name;
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3})
        ShowFactory(model[slot], *chain, slot);
    return true;
}

bool SetResourcePrices(ChainModel& model, const Catalogue& catalogue, int item, PriceLevel level) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return false;
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) {
        for (std::size_t row = 0; row < kPricedRows[slot]; ++row)
            model[slot].Rows[row].Price = IntToText(PriceAt(*chain->Resources[slot][row], level));
    }
    return true;
}

const Ware& SalePriceWare(const Chain& chain, FactorySlot slot) {
    // The main factory's suppliers are priced as the wares it buys from them.
    for (const Supply& supply : kSupplies)
        if (supply.Supplier == slot && supply.Consumer == kMain) return *chain.Resources[kMain][supply.Row];
    return *chain.Products[slot];
}

void CopySalePricesToMainRows(ChainModel& model) {
    for (const Supply& supply : kSupplies)
        if (supply.Consumer == kMain) model[kMain].Rows[supply.Row].Price = model[supply.Supplier].SalePrice;
}

bool SetProductPrices(ChainModel& model, const Catalogue& catalogue, int item, PriceLevel level) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return false;
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3})
        model[slot].SalePrice = IntToText(PriceAt(SalePriceWare(*chain, slot), level));
    CopySalePricesToMainRows(model);
    return true;
}
