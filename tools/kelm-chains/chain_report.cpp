#include "chain_report.h"

#include <algorithm>
#include <optional>

#include "calc/book_typing.h"
#include "calc/chain_calculation.h"
#include "data/factory_list.h"

PriceSetting AtLevel(PriceLevel level, const PriceSetting& setting) {
    PriceSetting both = setting;
    both.Resources = both.Sale = level;
    return both;
}

bool SetPrices(ChainModel& model, const Catalogue& catalogue, int item, const PriceSetting& setting,
               std::vector<bool>& bookUse) {
    if (!PriceChain(model, catalogue, item, setting.Resources, setting.Sale, setting.Book)) return false;
    model.ManualPrices = setting.Manual;
    if (setting.Book) MarkReadBookWares(catalogue, item, *setting.Book, setting.Manual, bookUse);
    return true;
}

std::optional<ChainFigures> CalculateWith(ChainModel& model, const Catalogue& catalogue, int item,
                                          const PriceSetting& setting, std::vector<bool>& bookUse) {
    if (!SetPrices(model, catalogue, item, setting, bookUse)) return std::nullopt;
    return CalculateChain(model, catalogue, item);
}

std::vector<ReportRow> BuildReport(const Catalogue& catalogue, const TableCheck& check, const PriceSetting& setting,
                                   std::vector<bool>& bookUse) {
    std::vector<ReportRow> rows;
    for (std::size_t i = 0; i < kFactoryCount; ++i) {
        if (!check.Complete[i]) continue;
        int item = static_cast<int>(i);
        ChainModel model;
        std::optional<ChainFigures> figures = CalculateWith(model, catalogue, item, setting, bookUse);
        if (!figures) continue;
        ReportRow row;
        row.Item = item;
        row.Station = FactoryList[i];
        row.Name = model[kMain].Name;
        row.Supports = {model[kSupport1].Name, model[kSupport2].Name, model[kSupport3].Name};
        row.Results = model.Results;
        row.SalePrices = {model[kMain].SalePrice, model[kSupport1].SalePrice, model[kSupport2].SalePrice,
                          model[kSupport3].SalePrice};
        row.ChainIncome = (*figures)[kChainIncome];
        rows.push_back(std::move(row));
    }
    return rows;
}

bool HigherIncomeFirst(const Amount& a, const Amount& b) {
    if (a.Known() != b.Known()) return a.Known();
    return a.Known() && a.Value > b.Value;
}

void SortByChainIncome(std::vector<ReportRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ReportRow& a, const ReportRow& b) { return HigherIncomeFirst(a.ChainIncome, b.ChainIncome); });
}
