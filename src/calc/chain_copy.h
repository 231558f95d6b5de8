#pragma once
#include <string>

#include "calc/chain_model.h"
#include "data/catalogue.h"

// The chain as the window shows it, as text for a spreadsheet or a forum post: fields
// separated by tabs, lines by CR LF. A line per factory (role, name, product, cycle,
// output, sale price), under it a line per resource row (ware, quantity, price), then the
// seven results with their captions. Nothing when the item has no usable chain.
std::string ChainCopyText(const ChainModel& model, const Catalogue& catalogue, int item);
