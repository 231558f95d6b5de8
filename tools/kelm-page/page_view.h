#pragma once
#include <string>

#include "calc/chain_model.h"
#include "calc/table_check.h"
#include "data/catalogue.h"
#include "page_plan.h"

// What the page shows, as lines "KEY<tab>STATE<tab>TEXT" the script copies into the
// elements whose data-key is KEY: TEXT as their text, value or checked state ("1"), and
// STATE as letters: "d" disabled (a factory left out), "h" hidden (a resource row the
// station does not have), "r" read-only (a price the calculation writes), "p" pressed
// (the level button last pressed). Keys: "item", "manual", "res.min" … "prod.max"; for
// factory F (0 main, 1 to 3 supports) "F" (its block), "F.active", "F.name", "F.product",
// "F.cycle", "F.output", "F.sale", and for its row R (1 to 3) "F.R", "F.R.name",
// "F.R.quantity", "F.R.price"; each result under its report key. Texts are CP1251.
std::string ViewText(const Catalogue& catalogue, const PagePlan& plan, const ChainModel& model);

// The factories whose chains are complete, one "ITEM<tab>NAME" a line, in list order.
std::string FactoryListText(const Catalogue& catalogue, const TableCheck& check);
