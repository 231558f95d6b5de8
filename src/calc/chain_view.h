#pragma once
#include "calc/chain_model.h"
#include "calc/price_level.h"
#include "data/catalogue.h"

// What choosing a factory and pressing a price button write into the chain texts. `item`
// is the chosen index into FactoryList. Each returns false and leaves the model as it is when the
// item has no usable chain (see ChainOfItem); none reads a text of the model.

// Writes, for the main factory and then supports 1 to 3: name, sale price (average), cycle
// and output texts, then rows 0 to ResourceCount-1 (name, quantity, average price). The
// rows from ResourceCount on are emptied, so a shorter resource list never keeps the
// names and quantities of the factory shown before it.
bool ShowChain(ChainModel& model, const Catalogue& catalogue, int item);

// Writes seven price cells, in this order: main rows 0, 1, 2; support 1 rows 0, 1;
// support 2 row 0; support 3 row 0.
bool SetResourcePrices(ChainModel& model, const Catalogue& catalogue, int item, PriceLevel level);

// The ware whose price the product buttons put into a factory's sale-price box: the product
// of the main factory and of support 2; for a factory that supplies the main factory, the
// ware of the row it supplies.
const Ware& SalePriceWare(const Chain& chain, FactorySlot slot);

// Copies the sale-price boxes of the main factory's suppliers into the rows they supply, as
// the product buttons do after setting the boxes.
void CopySalePricesToMainRows(ChainModel& model);

// Writes the sale prices of the main factory and support 2 (their products) and of the
// factories that supply the main factory (the ware of the row they supply: support 1 row 1,
// support 3 row 2), then copies those into the main factory's rows.
bool SetProductPrices(ChainModel& model, const Catalogue& catalogue, int item, PriceLevel level);
