#pragma once
#include <string>

#include "calc/price_level.h"
#include "data/catalogue.h"
#include "data/table_loader.h"

// A price book to start from, UTF-8: every ware with its price at the level and, in a
// comment on the same line, its minimum and maximum. A ware that shares its name with
// another cannot be priced by name and stands commented out, with the lines of both.
// Read back unchanged, it sets every price the level would.
std::string BookTemplate(const Catalogue& tables, const LoadReport& report, PriceLevel level);
