#pragma once
#include <optional>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "tool_options.h"

// The names of the factory list's items as the window lists them, trimmed, CP1251; the
// empty name for an item whose station is not in the table.
std::vector<std::string> ListNames(const Catalogue& tables);

// The item a command's factory operand names: the number as given, or the one factory
// whose name the text is (case and ё/е aside) or, failing that, is a part of. Nothing, with
// the reason in problem (CP1251), when the text fits several factories (they are listed) or
// none (the closest names are offered).
std::optional<int> ItemOfOperand(const Options& options, const Catalogue& tables, std::string& problem);
