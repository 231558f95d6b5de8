#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "book_note.h"
#include "calc/amount.h"
#include "calc/table_check.h"
#include "chain_report.h"
#include "data/catalogue.h"

// One factory of the list: its chain income per day at every pair of price levels, and the
// sale price at which the chain stops losing.
struct LevelsRow {
    int Item = 0;
    std::int32_t Station = 0;
    std::string Name;
    // [resource level][sale level], levels in kPriceLevels order: texts as report shows them.
    std::array<std::array<std::string, 3>, 3> ChainIncome;
    Amount AverageIncome;  // the number behind average/average
    std::optional<std::int32_t> BreakEven;
};

// The lowest whole main sale price, typed into the box over the chain's prices at average
// (with the book and the mode of `setting`), at which the chain income per day reads a
// number of at least 0. Prices run from 0 to the largest whose revenue fits in 32 bits;
// nothing when none of them pays or the item has no usable chain.
std::optional<std::int32_t> BreakEvenSalePrice(const Catalogue& catalogue, int item, const PriceSetting& setting);

// Every factory of the list whose chain the check found complete, in list order, or item
// `only` alone, at every pair of levels with the book and the mode of `setting`; bookUse as
// CalculateWith.
std::vector<LevelsRow> BuildLevels(const Catalogue& catalogue, const TableCheck& check, const PriceSetting& setting,
                                   std::vector<bool>& bookUse, std::optional<int> only = std::nullopt);

// Highest average/average income first, as report sorts.
void SortByAverageIncome(std::vector<LevelsRow>& rows);

// UTF-8; every line ends with "\n". A table made with a price book (book not null) says so.
// consoleWidth: the columns of the console the text goes to, which names are cut to fit;
// 0 keeps them whole.
std::string LevelsText(const std::vector<LevelsRow>& rows, const BookNote* book, std::size_t consoleWidth);
std::string LevelsCsv(const std::vector<LevelsRow>& rows, const BookNote* book);
std::string LevelsJson(const std::vector<LevelsRow>& rows, const BookNote* book);
