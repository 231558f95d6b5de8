#include "page_view.h"

#include <optional>

#include "calc/chain.h"
#include "calc/chain_results.h"
#include "data/factory_list.h"

namespace {

// Names come from tables players edit: a tab or a line break in one must not start a field.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return text;
}

void Line(std::string& view, const std::string& key, std::string_view state, const std::string& text) {
    view.append(key).append("\t").append(state).append("\t").append(OneLine(text)).append("\n");
}

std::string_view ReadOnlyState(const ChainModel& model, PricePlace place) {
    return !model.ManualPrices && FilledByCalculation(place) ? "r" : "";
}

void FactoryLines(std::string& view, const Chain& chain, const ChainModel& model, FactorySlot slot) {
    const FactoryTexts& factory = model[slot];
    std::string key = std::to_string(slot);
    Line(view, key, factory.Active ? "" : "d", "");
    if (slot != kMain) Line(view, key + ".active", "", factory.Active ? "1" : "0");
    Line(view, key + ".name", "", factory.Name);
    Line(view, key + ".product", "", chain.Products[slot]->Name);
    Line(view, key + ".cycle", "", factory.Cycle);
    Line(view, key + ".output", "", factory.Output);
    Line(view, key + ".sale", ReadOnlyState(model, {slot, -1}), factory.SalePrice);
    for (std::size_t row = 0; row < kResourceRows; ++row) {
        const ResourceRowTexts& texts = factory.Rows[row];
        std::string rowKey = key + "." + std::to_string(row + 1);
        // Only a row that names a resource can be typed into, as in the window.
        Line(view, rowKey, texts.Name.empty() ? "h" : "", "");
        Line(view, rowKey + ".name", "", texts.Name);
        Line(view, rowKey + ".quantity", "", texts.Quantity);
        Line(view, rowKey + ".price", ReadOnlyState(model, {slot, static_cast<int>(row)}), texts.Price);
    }
}

}  // namespace

std::string ViewText(const Catalogue& catalogue, const PagePlan& plan, const ChainModel& model) {
    std::optional<Chain> chain = ChainOfItem(catalogue, plan.Item);
    if (!chain) return {};
    std::string view;
    Line(view, "item", "", std::to_string(plan.Item));
    for (PriceLevel level : {PriceLevel::Minimum, PriceLevel::Average, PriceLevel::Maximum}) {
        std::string name(LevelName(level));
        Line(view, "res." + name, level == plan.Resources ? "p" : "", "");
        Line(view, "prod." + name, level == plan.Sale ? "p" : "", "");
    }
    Line(view, "manual", "", model.ManualPrices ? "1" : "0");
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) FactoryLines(view, *chain, model, slot);
    for (const ResultDescription& result : kChainResults) Line(view, result.Key, "", model.Results[result.Result]);
    return view;
}

std::string FactoryListText(const Catalogue& catalogue, const TableCheck& check) {
    std::string list;
    for (std::size_t item = 0; item < kFactoryCount; ++item) {
        if (!check.Complete[item]) continue;
        std::optional<Chain> chain = ChainOfItem(catalogue, static_cast<int>(item));
        if (chain) list += std::to_string(item) + "\t" + OneLine(chain->Stations[kMain]->Name) + "\n";
    }
    return list;
}
