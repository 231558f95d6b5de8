#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/amount.h"
#include "calc/chain_calculation.h"
#include "calc/chain_model.h"
#include "calc/price_level.h"
#include "calc/table_check.h"
#include "data/catalogue.h"

// One factory of the list as the window shows it after a calculation.
struct ReportRow {
    int Item = 0;                 // combo-box index
    std::int32_t Station = 0;     // StationTable index
    std::string Name;
    std::array<std::string, 3> Supports;    // names of support factories 1 to 3
    ChainResultTexts Results;
    std::array<std::string, 4> SalePrices;  // main, supports 1 to 3, after the calculation
    Amount ChainIncome;                     // the number behind Results[kChainIncome]
};

// Item `item` chosen, the resource price button of one level pressed, then the sale price
// button of another, then "Расчет", with every support factory on and automatic prices.
// Nothing when the item has no usable chain.
std::optional<ChainFigures> CalculateAtLevels(ChainModel& model, const Catalogue& catalogue, int item,
                                              PriceLevel resources, PriceLevel sale);

// Every factory of the list whose chain the check found complete, in list order,
// calculated with both price buttons of the level.
std::vector<ReportRow> BuildReport(const Catalogue& catalogue, const TableCheck& check, PriceLevel level);

// Whether income a goes before income b when the highest come first and incomes without a
// number last.
bool HigherIncomeFirst(const Amount& a, const Amount& b);

// Highest chain income per day first; rows without a number last; list order among equals.
void SortByChainIncome(std::vector<ReportRow>& rows);
