#include "chain_levels.h"

#include <algorithm>
#include <limits>

#include "base/cp1251.h"
#include "base/text_convert.h"
#include "calc/chain_calculation.h"
#include "calc/chain_results.h"
#include "calc/chain_view.h"
#include "chain_report.h"
#include "csv_writer.h"
#include "data/factory_list.h"
#include "json_writer.h"
#include "output_text.h"

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// The highest sale price p with p times units within 32 bits.
std::int32_t HighestSalePrice(std::int32_t units) {
    std::int64_t limit = units > 0 ? kInt32Max / units : units < 0 ? (kInt32Max + 1) / -std::int64_t{units} : kInt32Max;
    return static_cast<std::int32_t>(std::min(limit, kInt32Max));
}

// "RESOURCE/SALE" as the JSON keys and the CSV header name a pair of levels.
std::string PairKey(std::size_t resource, std::size_t sale) {
    return std::string(LevelKey(kPriceLevels[resource])) + "/" + LevelKey(kPriceLevels[sale]);
}


std::optional<LevelsRow> LevelsOf(const Catalogue& catalogue, int item, const PriceSetting& setting,
                                  std::vector<bool>& bookUse) {
    LevelsRow row;
    row.Item = item;
    row.Station = FactoryList[static_cast<std::size_t>(item)];
    for (std::size_t r = 0; r < kPriceLevels.size(); ++r) {
        for (std::size_t s = 0; s < kPriceLevels.size(); ++s) {
            ChainModel model;
            PriceSetting pair = setting;
            pair.Resources = kPriceLevels[r];
            pair.Sale = kPriceLevels[s];
            std::optional<ChainFigures> figures = CalculateWith(model, catalogue, item, pair, bookUse);
            if (!figures) return std::nullopt;
            row.Name = model[kMain].Name;
            row.ChainIncome[r][s] = model.Results[kChainIncome];
            if (kPriceLevels[r] == PriceLevel::Average && kPriceLevels[s] == PriceLevel::Average)
                row.AverageIncome = (*figures)[kChainIncome];
        }
    }
    row.BreakEven = BreakEvenSalePrice(catalogue, item, setting);
    return row;
}

}  // namespace

std::optional<std::int32_t> BreakEvenSalePrice(const Catalogue& catalogue, int item, const PriceSetting& setting) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    ChainModel model;
    std::vector<bool> bookUse;
    if (!chain || !SetPrices(model, catalogue, item, AtLevel(PriceLevel::Average, setting), bookUse))
        return std::nullopt;
    const ChainModel shown = model;
    auto pays = [&](std::int32_t price) {
        model = shown;  // each try starts from the prices as set, as automatic prices overwrite some
        model[kMain].SalePrice = IntToText(price);
        std::optional<ChainFigures> figures = CalculateChain(model, catalogue, item);
        return figures && (*figures)[kChainIncome].Known() && (*figures)[kChainIncome].Value >= 0;
    };
    // The sale price enters only the revenue, p times units; everything after it subtracts
    // or multiplies by values p does not change, and each such step (rounded to double, then
    // truncated) keeps the order of its inputs. So the income is monotone in p, one way or
    // the other, and "pays" switches at most once: when p = 0 does not pay but the highest
    // p does, it switches from not paying to paying and halving finds the switch.
    if (pays(0)) return 0;
    std::int32_t notPaying = 0, paying = HighestSalePrice(chain->Products[kMain]->UnitsPerCycle);
    if (!pays(paying)) return std::nullopt;
    while (paying - notPaying > 1) {
        std::int32_t middle = notPaying + (paying - notPaying) / 2;
        (pays(middle) ? paying : notPaying) = middle;
    }
    return paying;
}

std::vector<LevelsRow> BuildLevels(const Catalogue& catalogue, const TableCheck& check, const PriceSetting& setting,
                                   std::vector<bool>& bookUse) {
    std::vector<LevelsRow> rows;
    for (std::size_t i = 0; i < kFactoryCount; ++i) {
        if (!check.Complete[i]) continue;
        if (std::optional<LevelsRow> row = LevelsOf(catalogue, static_cast<int>(i), setting, bookUse))
            rows.push_back(std::move(*row));
    }
    return rows;
}

void SortByAverageIncome(std::vector<LevelsRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const LevelsRow& a, const LevelsRow& b) {
        return HigherIncomeFirst(a.AverageIncome, b.AverageIncome);
    });
}

std::string LevelsText(const std::vector<LevelsRow>& rows, const BookNote* book) {
    const std::array<const char*, 3> names = {"мин", "сред", "макс"};
    std::vector<std::string> header = {"Пункт", "Фабрика"};
    for (const char* resource : names)
        for (const char* sale : names) header.push_back(std::string(resource) + "/" + sale);
    header.push_back("Безубыточная цена");
    std::vector<std::vector<std::string>> table = {header};
    for (const LevelsRow& row : rows) {
        std::vector<std::string> cells = {IntToText(row.Item), row.Name};
        for (const auto& bySale : row.ChainIncome) cells.insert(cells.end(), bySale.begin(), bySale.end());
        cells.push_back(row.BreakEven ? IntToText(*row.BreakEven) : "нет");
        table.push_back(std::move(cells));
    }
    std::string legend = std::string(CaptionWords(kChainIncome)) + " при ценах ресурсов/цене продажи продукта: минимальных, средних,\n"
                         "максимальных. Безубыточная цена: наименьшая цена продажи главного продукта, при которой\n"
                         "доход цепочки за сутки не меньше 0, при средних ценах ресурсов.\n";
    std::string heading = Cp1251ToUtf8(legend) + (book ? BookHeading(*book) + "\n" : "") + "\n";
    return heading + AlignedColumns(std::move(table), {1});
}

std::string LevelsCsv(const std::vector<LevelsRow>& rows, const BookNote* book) {
    std::vector<std::string> header = {"item", "station", "name"};
    for (std::size_t r = 0; r < 3; ++r)
        for (std::size_t s = 0; s < 3; ++s) header.push_back(PairKey(r, s));
    header.push_back("break_even_sale_price");
    if (book) header.insert(header.end(), kBookColumns.begin(), kBookColumns.end());
    CsvWriter csv;
    csv.Header(header);
    for (const LevelsRow& row : rows) {
        csv.Number(row.Item).Number(row.Station).Text(row.Name);
        for (const auto& bySale : row.ChainIncome)
            for (const std::string& income : bySale) csv.Value(income);
        if (row.BreakEven) csv.Number(*row.BreakEven);
        else csv.Empty();
        if (book) WriteBookCells(csv, *book);
        csv.EndRow();
    }
    return csv.Result();
}

std::string LevelsJson(const std::vector<LevelsRow>& rows, const BookNote* book) {
    JsonWriter json;
    json.Array(JsonWriter::Layout::Lines);
    for (const LevelsRow& row : rows) {
        json.Object().Key("item").Number(row.Item).Key("station").Number(row.Station).Key("name").String(row.Name);
        json.Key("chain_income").Object();
        for (std::size_t r = 0; r < 3; ++r)
            for (std::size_t s = 0; s < 3; ++s) json.Key(PairKey(r, s)).String(row.ChainIncome[r][s]);
        json.End().Key("break_even_sale_price");
        if (row.BreakEven) json.Number(*row.BreakEven);
        else json.Null();
        if (book) WriteBookField(json, *book);
        json.End();
    }
    return json.End().Text();
}
