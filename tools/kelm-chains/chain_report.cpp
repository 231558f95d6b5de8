#include "chain_report.h"

#include <algorithm>
#include <optional>

#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "data/factory_list.h"

std::vector<ReportRow> BuildReport(const Catalogue& catalogue, const TableCheck& check, PriceLevel level) {
    std::vector<ReportRow> rows;
    for (std::size_t i = 0; i < kFactoryCount; ++i) {
        if (!check.Complete[i]) continue;
        int item = static_cast<int>(i);
        ChainModel model;
        if (!ShowChain(model, catalogue, item)) continue;
        if (level != PriceLevel::Average) {
            SetResourcePrices(model, catalogue, item, level);
            SetProductPrices(model, catalogue, item, level);
        }
        std::optional<ChainFigures> figures = CalculateChain(model, catalogue, item);
        if (!figures) continue;
        ReportRow row;
        row.Item = item;
        row.Station = FactoryList[i];
        row.Name = model[kMain].Name;
        row.Supports = {model[kSupport1].Name, model[kSupport2].Name, model[kSupport3].Name};
        row.Results = model.Results;
        row.SalePrices = {model[kMain].SalePrice, model[kSupport1].SalePrice, model[kSupport2].SalePrice,
                          model[kSupport3].SalePrice};
        row.ChainIncome = figures->ChainIncome;
        rows.push_back(std::move(row));
    }
    return rows;
}

void SortByChainIncome(std::vector<ReportRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const ReportRow& a, const ReportRow& b) {
        if (a.ChainIncome.Known() != b.ChainIncome.Known()) return a.ChainIncome.Known();
        return a.ChainIncome.Known() && a.ChainIncome.Value > b.ChainIncome.Value;
    });
}
