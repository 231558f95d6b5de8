#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/amount.h"
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
    Amount ChainIncome;                     // the number behind Results.ChainIncome
};

// Every factory of the list whose chain the check found complete, in list order: chosen,
// both price buttons of the level pressed (nothing for average, which choosing shows),
// all support factories on, automatic prices, "Расчет" pressed.
std::vector<ReportRow> BuildReport(const Catalogue& catalogue, const TableCheck& check, PriceLevel level);

// Highest chain income per day first; rows without a number last; list order among equals.
void SortByChainIncome(std::vector<ReportRow>& rows);
