#pragma once
#include <optional>

#include "calc/amount.h"
#include "calc/chain_model.h"
#include "data/catalogue.h"

// The values the seven result labels show: costs truncated to 32 bits, incomes per day to
// 64 bits, or the reason a label shows no number.
struct ChainFigures {
    Amount MainCost;
    Amount Support1Cost;
    Amount Support2Cost;
    Amount Support3Cost;
    Amount TotalCost;
    Amount MainIncome;
    Amount ChainIncome;
};

// Sum of quantity times price over the three rows in 32-bit arithmetic; 0 for an inactive
// factory. A row whose quantity reads 0 adds 0 whatever its price cell holds. A product or
// partial sum outside 32 bits makes the cost an overflow.
Amount CycleCost(const FactoryTexts& factory, bool active);

// The price a support factory's product passes on at: the cost of one unit, but never
// below the product's minimum price.
Amount TransferPrice(Amount cycleCost, const Ware& product);

// "Расчет" for combo-box item `item`; nothing happens when the item has no usable chain.
// Reads and writes the model in this order:
//  1. support 2's rows; unless manual, writes support 2's transfer price into its sale
//     price, then copies that text into the price of support 1's row 1;
//  2. support 1's rows (row 1 as just written), then support 3's rows;
//  3. unless manual, support 1's transfer price into its sale price and from there into
//     main row 1's price; then support 3's into its sale price and main row 2's price;
//  4. the main rows (rows 1 and 2 as just written), then the main sale price;
//  5. writes the seven result texts.
// With ManualPrices the main sale price is the only box read and nothing but the results
// is written. A price cell holding a fault text (a transfer price that had none) counts
// as that fault.
std::optional<ChainFigures> CalculateChain(ChainModel& model, const Catalogue& catalogue, int item);
