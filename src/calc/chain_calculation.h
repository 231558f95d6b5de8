#pragma once
#include <array>
#include <optional>

#include "calc/amount.h"
#include "calc/chain_model.h"
#include "calc/chain_results.h"
#include "data/catalogue.h"

// What one factory costs the chain and, for a support factory, how its product was priced.
struct FactoryWorking {
    Amount CycleCost;
    Amount UnitCost;            // supports: cycle cost over units per cycle
    Amount TransferPrice;       // supports: before it is truncated into the sale-price box
    bool MinimumTaken = false;  // supports: the minimum price was not below the unit cost
    Amount CostPerMainCycle;    // the cycle cost scaled to one cycle of the main factory
};

// The values the result labels are made of, before truncation.
struct ChainWorking {
    std::array<FactoryWorking, kFactorySlots> Factories;  // by FactorySlot
    Amount TotalCost;
    Amount Revenue;             // main sale price times units per cycle
    Amount MainIncomePerCycle;
    Amount ChainIncomePerCycle;
    Amount DayFactor;           // main-factory cycles per game day
};

// The values the seven result labels show, as their measures truncate them (or the reason
// a label shows no number), and the working behind them.
struct ChainFigures {
    PerResult<Amount> Results;
    ChainWorking Working;

    const Amount& operator[](ChainResult result) const { return Results[result]; }
};

// Quantity times price in 32-bit arithmetic; 0 when the quantity reads 0, whatever the
// price cell holds; an overflow outside 32 bits.
Amount RowCost(const ResourceRowTexts& row);

// Sum of the three row costs in 32-bit arithmetic; 0 for an inactive factory. A partial
// sum outside 32 bits makes the cost an overflow.
Amount CycleCost(const FactoryTexts& factory, bool active);

struct Transfer {
    Amount UnitCost;
    Amount Price;
    bool MinimumTaken = false;
};

// The price a support factory's product passes on at: the cost of one unit, but never
// below the product's minimum price.
Transfer TransferPrice(Amount cycleCost, const Ware& product);

// "Расчет" for item `item` (an index into FactoryList); nothing happens when the item has
// no usable chain. Reads and writes the model in this order:
//  1. for each supply of kSupplies in turn: the supplier's rows; unless manual, its
//     transfer price into its sale price, then that text into the price of the consumer's
//     row (support 2 into support 1's row 1, support 1 into main row 1, support 3 into
//     main row 2);
//  2. the main rows (rows 1 and 2 as just written), then the main sale price;
//  3. writes the seven result texts.
// With ManualPrices the main sale price is the only box read and nothing but the results
// is written. A price cell holding a fault text (a transfer price that had none) counts
// as that fault.
std::optional<ChainFigures> CalculateChain(ChainModel& model, const Catalogue& catalogue, int item);
