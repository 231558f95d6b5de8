#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "calc/chain_model.h"
#include "calc/price_book.h"
#include "calc/price_level.h"
#include "data/catalogue.h"

// How a price book in use takes part in setting a chain's prices: after each step that
// writes prices, the book's price is typed over every place the step has just priced whose
// ware the book names, and nowhere else. The window and kelm-chains both go by these steps.
// `item` is the chosen index into FactoryList; each returns false, the model untouched,
// when the item has no usable chain.

// The step that has just written prices.
enum class PricedBy {
    Choice,          // the factory was chosen: every listed resource row and sale-price box
    ResourceButton,  // the resource rows the button prices
    ProductButton,   // the four sale-price boxes; the main rows are then copied from them
};

bool TypeBookPrices(ChainModel& model, const Catalogue& catalogue, int item, const PriceBook& book, PricedBy step);

// The whole way to a chain's prices with the level buttons: the choice of the factory, the
// resource button at `resources`, then the product button at `sale`, each followed by the
// book when there is one.
bool PriceChain(ChainModel& model, const Catalogue& catalogue, int item, PriceLevel resources, PriceLevel sale,
                const PriceBook* book);

// Whether, in automatic mode, the calculation writes a transfer price there: a supplier's
// sale-price box (no row) or the resource row it feeds.
bool FilledByTransfer(FactorySlot slot, std::optional<std::size_t> row);

// Marks in `used` (one flag per ware) the book's wares whose typed price the calculation
// reads: in automatic mode the transfer prices replace the supports' boxes and the rows
// they feed.
void MarkReadBookWares(const Catalogue& catalogue, int item, const PriceBook& book, bool manual,
                       std::vector<bool>& used);
