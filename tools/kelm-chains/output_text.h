#pragma once
#include <array>
#include <string>
#include <vector>

#include "calc/chain_model.h"
#include "calc/price_level.h"

// Pieces every output format of the tool is made of. Cells and values come in as CP1251
// program text and leave as UTF-8.

inline constexpr std::array<PriceLevel, 3> kPriceLevels = {PriceLevel::Minimum, PriceLevel::Average,
                                                           PriceLevel::Maximum};

// "min", "avg" or "max": the level as options and JSON keys name it.
const char* LevelKey(PriceLevel level);

// The level in words, CP1251: plural as for resource prices ("средние"), singular as for
// the sale price ("средняя").
const char* LevelWords(PriceLevel level, bool plural);

// Where a table of names may give way so that its rows fit a console: the column of names
// is cut, down to kShortestCut characters, so that lines take at most Width characters;
// a Width of 0 keeps every name whole (for a file).
struct ColumnCut {
    std::size_t Column = 1;
    std::size_t Width = 0;
};
inline constexpr std::size_t kShortestCut = 16;

// Rows of cells as columns for a terminal, two blanks apart: the columns named in
// leftAligned flush left, the others (numbers) flush right; every line ends with "\n".
// Control characters show as blanks, so a name cannot break a line. A cell cut short
// ends in "…".
std::string AlignedColumns(std::vector<std::vector<std::string>> rows, const std::vector<std::size_t>& leftAligned,
                           const ColumnCut& cut = {});

// Whether text is a decimal number as the program writes one: an optional "-", digits,
// and an optional fraction. Not a fault text such as "переполнение".
bool IsNumberText(const std::string& text);
