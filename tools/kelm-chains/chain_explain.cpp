#include "chain_explain.h"

#include <array>
#include <vector>

#include "base/cp1251.h"
#include "base/text_convert.h"
#include "chain_report.h"
#include "json_writer.h"
#include "output_text.h"

namespace {

// Each factory's product reaches the factory after it in the order of the calculation.
constexpr std::array<FactorySlot, 4> kCalculationOrder = {kSupport2, kSupport1, kSupport3, kMain};

const char* RoleKey(FactorySlot slot) {
    constexpr std::array<const char*, 4> keys = {"main", "support1", "support2", "support3"};
    return keys[slot];
}

std::string RoleTitle(FactorySlot slot) {
    return slot == kMain ? std::string("Главная фабрика") : FormatInts("Фабрика поддержки %d", static_cast<std::int32_t>(slot));
}

// Where a support factory's transfer price goes.
const char* ConsumerText(FactorySlot slot) {
    return slot == kSupport2 ? "передается фабрике поддержки 1" : "передается главной фабрике";
}

const FactoryWorking& Working(const Explanation& e, FactorySlot slot) { return e.Figures.Working.Factories[slot]; }

// The rows the grid shows: those with a ware or a quantity.
std::vector<const ResourceRowTexts*> ListedRows(const FactoryTexts& factory) {
    std::vector<const ResourceRowTexts*> rows;
    for (const ResourceRowTexts& row : factory.Rows)
        if (!row.Name.empty() || !row.Quantity.empty()) rows.push_back(&row);
    return rows;
}

std::string TransferRule(const FactoryWorking& support) {
    if (!support.UnitCost.Known()) return "";
    return support.MinimumTaken ? "минимальная цена не ниже себестоимости" : "себестоимость выше минимальной цены";
}

std::string Seconds(const Ware& product) { return IntToText(product.CycleSeconds) + " с"; }

std::string ScaledCostFormula(const Explanation& e, FactorySlot slot) {
    return Seconds(*e.Links.Products[kMain]) + " · " + UnroundedText(Working(e, slot).CycleCost) + " / " +
           Seconds(*e.Links.Products[slot]) + " = " + UnroundedText(Working(e, slot).CostPerMainCycle);
}

std::string SupportCostsTerms(const Explanation& e) {
    std::string terms;
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3})
        terms += " - " + UnroundedText(Working(e, slot).CostPerMainCycle);
    return terms;
}

std::string FactoryText(const Explanation& e, FactorySlot slot) {
    const FactoryTexts& factory = e.Model[slot];
    const Ware& product = *e.Links.Products[slot];
    std::string text = RoleTitle(slot) + ": " + factory.Name + "\n";
    std::string productLine = "Продукт: " + product.Name + ", цикл " + factory.Cycle + ", выпуск " + factory.Output;
    if (slot == kMain) productLine += ", цена продажи " + factory.SalePrice;
    std::vector<std::vector<std::string>> rows = {{"", productLine}};
    std::vector<std::vector<std::string>> grid = {{"", "Ресурс", "Кол-во", "Цена покупки", "Стоимость"}};
    for (const ResourceRowTexts* row : ListedRows(factory))
        grid.push_back({"", row->Name, row->Quantity, row->Price, UnroundedText(RowCost(*row))});
    std::string lines = AlignedColumns(rows, {1}) + AlignedColumns(grid, {1});

    std::vector<std::vector<std::string>> working;
    if (slot == kMain) {
        working.push_back({"", "Затраты за цикл:", UnroundedText(Working(e, kMain).CycleCost)});
    } else {
        const FactoryWorking& s = Working(e, slot);
        std::string rule = TransferRule(s);
        working.push_back({"", "Затраты за цикл:", UnroundedText(s.CycleCost)});
        working.push_back({"", "Себестоимость единицы:", UnroundedText(s.CycleCost) + " / " +
                                                             IntToText(product.UnitsPerCycle) + " = " +
                                                             UnroundedText(s.UnitCost)});
        working.push_back({"", "Минимальная цена:", IntToText(product.MinPrice)});
        std::string where = e.Model.ManualPrices ? "не подставляется" : ConsumerText(slot);
        working.push_back({"", "Цена передачи:", IntegerText(s.TransferPrice) + (rule.empty() ? "" : " (" + rule + ")") +
                                                     ", " + where});
        working.push_back({"", "Затраты за цикл главной фабрики:", ScaledCostFormula(e, slot)});
    }
    return Cp1251ToUtf8(text) + lines + AlignedColumns(working, {1, 2});
}

}  // namespace

std::optional<Explanation> ExplainChain(const Catalogue& catalogue, int item, const PriceSetting& setting,
                                        std::vector<bool>& bookUse) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return std::nullopt;
    Explanation e;
    e.Item = item;
    e.Level = setting.Resources;
    e.Links = *chain;
    std::optional<ChainFigures> figures = CalculateWith(e.Model, catalogue, item, setting, bookUse);
    if (!figures) return std::nullopt;
    e.Figures = *figures;
    return e;
}

std::string ExplanationText(const Explanation& e, const BookNote* book) {
    const ChainWorking& w = e.Figures.Working;
    std::string heading = FormatInts("Пункт %d: ", static_cast<std::int32_t>(e.Item)) + e.Model[kMain].Name +
                          FormatInts(" (фабрика № %d)\n", e.Links.MainStation) + "Цены ресурсов: " +
                          LevelWords(e.Level, true) + ", цена продажи продукта: " + LevelWords(e.Level, false) + ".\n";
    std::string text = Cp1251ToUtf8(heading);
    if (book) text += BookHeading(*book) + "\n";
    text += Cp1251ToUtf8(e.Model.ManualPrices
                             ? "Все цены выставляются вручную: цены передачи считаются, но не подставляются.\n"
                             : "Фабрики поддержки передают продукт по себестоимости, но не ниже минимальной цены.\n");
    for (FactorySlot slot : kCalculationOrder) (text += '\n') += FactoryText(e, slot);

    std::string mainCost = UnroundedText(Working(e, kMain).CycleCost);
    std::string perCycle = UnroundedText(w.MainIncomePerCycle);
    const Ware& product = *e.Links.Products[kMain];
    std::string sum = mainCost;
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3}) sum += " + " + UnroundedText(Working(e, slot).CostPerMainCycle);
    std::vector<std::vector<std::string>> totals = {
        {"", "Суммарные затраты:", sum + " = " + UnroundedText(w.TotalCost)},
        {"", "Выручка главной фабрики:", e.Model[kMain].SalePrice + " · " + IntToText(product.UnitsPerCycle) + " = " +
                                             UnroundedText(w.Revenue)},
        {"", "Доход главной фабрики:", UnroundedText(w.Revenue) + " - " + mainCost + " = " + perCycle},
        {"", "Доход цепочки:", perCycle + SupportCostsTerms(e) + " = " + UnroundedText(w.ChainIncomePerCycle)},
        {"", "Циклов за сутки:", "86400 с / " + Seconds(product) + " = " + UnroundedText(w.DayFactor)},
        {"", "Доход за сутки:", "циклов за сутки · доход за цикл, без дробной части"},
    };
    std::vector<std::vector<std::string>> results;
    for (const ResultDescription& result : kChainResults)
        results.push_back({"", result.Caption, e.Model.Results[result.Result]});
    text += Cp1251ToUtf8("\nЗа цикл главной фабрики\n") + AlignedColumns(totals, {1, 2});
    text += Cp1251ToUtf8("\nРезультаты расчета\n") + AlignedColumns(results, {1});
    return text;
}

std::string ExplanationJson(const Explanation& e, const BookNote* book) {
    const ChainWorking& w = e.Figures.Working;
    JsonWriter json;
    json.Object(JsonWriter::Layout::Lines);
    json.Key("item").Number(e.Item).Key("station").Number(e.Links.MainStation).Key("name").String(e.Model[kMain].Name);
    json.Key("level").String(LevelKey(e.Level)).Key("manual").Bool(e.Model.ManualPrices);
    if (book) WriteBookField(json, *book);
    json.Key("factories").Array(JsonWriter::Layout::Lines);
    for (FactorySlot slot : kCalculationOrder) {
        const FactoryTexts& factory = e.Model[slot];
        const Ware& product = *e.Links.Products[slot];
        json.Object().Key("role").String(RoleKey(slot)).Key("name").String(factory.Name);
        json.Key("product").String(product.Name).Key("cycle").String(factory.Cycle);
        json.Key("cycle_seconds").Number(product.CycleSeconds).Key("output").String(factory.Output);
        json.Key("sale_price").String(factory.SalePrice).Key("resources").Array();
        for (const ResourceRowTexts* row : ListedRows(factory)) {
            json.Object().Key("ware").String(row->Name).Key("quantity").String(row->Quantity);
            json.Key("price").String(row->Price).Key("cost").String(UnroundedText(RowCost(*row))).End();
        }
        json.End();
        const FactoryWorking& f = Working(e, slot);
        json.Key("cycle_cost").String(UnroundedText(f.CycleCost));
        if (slot != kMain) {
            json.Key("unit_cost").String(UnroundedText(f.UnitCost));
            json.Key("minimum_price").String(IntToText(product.MinPrice));
            json.Key("transfer_price").String(IntegerText(f.TransferPrice)).Key("transfer_rule");
            if (f.UnitCost.Known()) json.String(f.MinimumTaken ? "minimum_price" : "unit_cost");
            else json.Null();
            json.Key("cost_per_main_cycle").String(UnroundedText(f.CostPerMainCycle));
        }
        json.End();
    }
    json.End();
    json.Key("total_cost_unrounded").String(UnroundedText(w.TotalCost));
    json.Key("revenue").String(UnroundedText(w.Revenue));
    json.Key("main_income_per_cycle").String(UnroundedText(w.MainIncomePerCycle));
    json.Key("chain_income_per_cycle").String(UnroundedText(w.ChainIncomePerCycle));
    json.Key("day_factor").String(UnroundedText(w.DayFactor));
    for (const ResultDescription& result : kChainResults) json.Key(result.Key).String(e.Model.Results[result.Result]);
    return json.End().Text();
}
