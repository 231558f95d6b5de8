// Arbitrary bytes as a price book, in whatever encoding they happen to look like, read
// against a small wares table (Cyrillic names, a name two wares share, a no-break space)
// and then typed into a chain and calculated, as every face of the program does with a book.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calc/book_typing.h"
#include "calc/chain_calculation.h"
#include "calc/price_book.h"
#include "data/factory_list.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The example chain: stations 0 to 2 support every main station from 3 on. Names are
// CP1251 bytes, as the tables hold them.
Catalogue MakeCatalogue() {
    Catalogue catalogue;
    catalogue.Wares = {
        {"\xD2\xEE\xE2\xE0\xF0", 80, 100, 120, 10, 600},      {"\xC4\xE5\xF2\xE0\xEB\xFC", 10, 12, 14, 4, 1200},
        {"\xD1\xEF\xEB\xE0\xE2", 2, 3, 5, 5, 300},            {"\xD2\xEE\xEF\xEB\xE8\xE2\xEE", 60, 70, 80, 2, 900},
        {"\xD0\xF3\xE4\xE0", 15, 20, 25, 1, 60},              {"\xD3\xE3\xEE\xEB\xFC", 2, 3, 4, 1, 60},
        {"\xC2\xEE\xE4\xE0\xA0\xEB\xE5\xE4", 8, 10, 12, 1, 60}, {" \xC3\xE0\xE7 ", 20, 25, 30, 1, 60},
        {"\xD3\xE3\xEE\xEB\xFC", 1, 2, 3, 1, 60},
    };
    Station main{"Main", 0, 3, {4, 1, 3}, {5, 2, 1}, 0, {0, 1, 2}};
    catalogue.Stations.assign(FactoryList.back() + 1, main);
    catalogue.Stations[0] = {"Parts", 1, 2, {5, 2, 0}, {10, 1, 0}, 0, {0, 0, 0}};
    catalogue.Stations[1] = {"Alloy", 2, 1, {6, 0, 0}, {2, 0, 0}, 0, {0, 0, 0}};
    catalogue.Stations[2] = {"Fuel", 3, 1, {7, 0, 0}, {4, 0, 0}, 0, {0, 0, 0}};
    return catalogue;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Catalogue catalogue = MakeCatalogue();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BookReading reading = ReadPriceBook(bytes, catalogue.Wares, {});
    Require(reading.Encoding == BookEncodingOf(bytes));
    for (const BookProblem& problem : reading.Problems) Require(problem.Line > 0 && !problem.Message.empty());
    for (const BookEntry& entry : reading.Book.Entries) {
        Require(entry.Ware >= 0 && static_cast<std::size_t>(entry.Ware) < catalogue.Wares.size());
        Require(entry.Price >= 0 && entry.Line > 0);
        Require(reading.Book.PriceOfWare.at(entry.Ware) == entry.Price);
    }
    Require(reading.Book.PriceOfWare.size() == reading.Book.Entries.size());

    // What the book sets, typed over the price buttons' prices in both modes.
    for (bool manual : {false, true}) {
        ChainModel model;
        std::vector<bool> used(catalogue.Wares.size(), false);
        Require(PriceChain(model, catalogue, 0, PriceLevel::Maximum, PriceLevel::Minimum, &reading.Book));
        model.ManualPrices = manual;
        MarkReadBookWares(catalogue, 0, reading.Book, manual, used);
        Require(used.size() == catalogue.Wares.size());
        Require(CalculateChain(model, catalogue, 0).has_value());
    }
    return 0;
}
