#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/amount.h"
#include "calc/chain_calculation.h"
#include "calc/chain_model.h"
#include "calc/price_book.h"
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

// How the tool sets a chain's prices before "Расчет", as a player would in the window.
struct PriceSetting {
    PriceLevel Resources = PriceLevel::Average;  // the resource price button pressed
    PriceLevel Sale = PriceLevel::Average;       // then the sale price button
    const PriceBook* Book = nullptr;             // then the book's prices typed over theirs
    bool Manual = false;                         // "Все цены выставляются вручную" checked first
};

// Both buttons of one level, the book and the mode of `setting`.
PriceSetting AtLevel(PriceLevel level, const PriceSetting& setting);

// Item `item` chosen, every support factory on, and the prices set as `setting` says;
// bookUse (one flag per ware) gets the book wares whose typed price the calculation reads.
// False when the item has no usable chain.
bool SetPrices(ChainModel& model, const Catalogue& catalogue, int item, const PriceSetting& setting,
               std::vector<bool>& bookUse);

// The same, then "Расчет". Nothing when the item has no usable chain.
std::optional<ChainFigures> CalculateWith(ChainModel& model, const Catalogue& catalogue, int item,
                                          const PriceSetting& setting, std::vector<bool>& bookUse);

// Every factory of the list whose chain the check found complete, in list order.
std::vector<ReportRow> BuildReport(const Catalogue& catalogue, const TableCheck& check, const PriceSetting& setting,
                                   std::vector<bool>& bookUse);

// Whether income a goes before income b when the highest come first and incomes without a
// number last.
bool HigherIncomeFirst(const Amount& a, const Amount& b);

// Highest chain income per day first; rows without a number last; list order among equals.
void SortByChainIncome(std::vector<ReportRow>& rows);
