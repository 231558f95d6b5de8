#include "page_plan.h"

#include <algorithm>
#include <optional>

#include "base/text_convert.h"
#include "calc/amount.h"
#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "data/factory_list.h"

namespace {

constexpr std::array<PriceLevel, 3> kLevels = {PriceLevel::Minimum, PriceLevel::Average, PriceLevel::Maximum};

// A price longer than this reads as the nearest 32-bit value anyway; the limit keeps links short.
constexpr std::size_t kMaxDigits = 10;

// Fault texts a transfer price leaves in a box stay faults in a link, in ASCII.
constexpr std::string_view kOverflowWord = "overflow";
constexpr std::string_view kNoDataWord = "nodata";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::optional<int> SmallNumber(std::string_view text, int last) {
    if (text.size() != 1 || text[0] < '0' || text[0] - '0' > last) return std::nullopt;
    return text[0] - '0';
}

std::optional<PriceLevel> LevelOf(std::string_view name) {
    for (PriceLevel level : kLevels)
        if (LevelName(level) == name) return level;
    return std::nullopt;
}

std::optional<PricePlace> PlaceOf(std::string_view text) {
    std::vector<std::string_view> parts = Split(text, '.');
    if (parts.size() > 2) return std::nullopt;
    std::optional<int> slot = SmallNumber(parts[0], kFactorySlots - 1);
    std::optional<int> row = parts.size() == 2 ? SmallNumber(parts[1], kResourceRows) : std::optional<int>(0);
    if (!slot || !row || (parts.size() == 2 && *row == 0)) return std::nullopt;
    return PricePlace{static_cast<FactorySlot>(*slot), *row - 1};
}

std::string PlaceName(PricePlace place) {
    std::string name = std::to_string(place.Slot);
    if (place.Row >= 0) name.append(".").append(std::to_string(place.Row + 1));
    return name;
}

// A price as a link gives it: a sign and digits, or a fault's word.
std::optional<std::string> PriceOfLink(std::string_view text) {
    if (text == kOverflowWord) return std::string(kOverflowText);
    if (text == kNoDataWord) return std::string(kNoDataText);
    std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() - sign > kMaxDigits || text.find_first_not_of("0123456789", sign) != std::string_view::npos)
        return std::nullopt;
    return std::string(text);
}

std::string PriceInLink(const std::string& text) {
    if (text == kOverflowText) return std::string(kOverflowWord);
    if (text == kNoDataText) return std::string(kNoDataWord);
    return text;
}

int FirstCompleteItem(const TableCheck& check) {
    auto first = std::find(check.Complete.begin(), check.Complete.end(), true);
    return first == check.Complete.end() ? -1 : static_cast<int>(first - check.Complete.begin());
}

}  // namespace

const std::vector<PricePlace>& AllPlaces() {
    static const std::vector<PricePlace> places = [] {
        std::vector<PricePlace> all;
        for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3})
            for (int row = -1; row < static_cast<int>(kResourceRows); ++row) all.push_back({slot, row});
        return all;
    }();
    return places;
}

bool FilledByCalculation(PricePlace place) {
    for (const Supply& supply : kSupplies) {
        if (place == PricePlace{supply.Supplier, -1}) return true;
        if (place == PricePlace{supply.Consumer, static_cast<int>(supply.Row)}) return true;
    }
    return false;
}

std::string& PlaceText(ChainModel& model, PricePlace place) {
    FactoryTexts& factory = model[place.Slot];
    return place.Row < 0 ? factory.SalePrice : factory.Rows[static_cast<std::size_t>(place.Row)].Price;
}

const std::string& PlaceText(const ChainModel& model, PricePlace place) {
    return PlaceText(const_cast<ChainModel&>(model), place);
}

std::string_view LevelName(PriceLevel level) {
    switch (level) {
        case PriceLevel::Minimum: return "min";
        case PriceLevel::Maximum: return "max";
        case PriceLevel::Average: break;
    }
    return "avg";
}

PagePlan ReadPlan(std::string_view fragment, const TableCheck& check) {
    PagePlan plan;
    plan.Item = -1;
    for (std::string_view pair : Split(fragment, '&')) {
        std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view key = pair.substr(0, equals), value = pair.substr(equals + 1);
        if (key == "item" && !value.empty() && value.size() <= 3 &&
            value.find_first_not_of("0123456789") == std::string_view::npos) {
            plan.Item = TextToInt(value);
        } else if (key == "res" || key == "prod") {
            if (std::optional<PriceLevel> level = LevelOf(value)) (key == "res" ? plan.Resources : plan.Sale) = *level;
        } else if (key == "manual") {
            plan.Manual = value == "1";
        } else if (key == "off") {
            for (std::string_view slot : Split(value, ','))
                if (std::optional<int> support = SmallNumber(slot, kSupport3); support && *support != kMain)
                    plan.Out[static_cast<std::size_t>(*support)] = true;
        } else if (key == "p") {
            for (std::string_view entry : Split(value, ',')) {
                std::size_t colon = entry.find(':');
                if (colon == std::string_view::npos) continue;
                std::optional<PricePlace> place = PlaceOf(entry.substr(0, colon));
                std::optional<std::string> price = PriceOfLink(entry.substr(colon + 1));
                if (place && price) plan.Typed[*place] = *price;
            }
        }
    }
    bool listed = plan.Item >= 0 && plan.Item < static_cast<int>(kFactoryCount) &&
                  check.Complete[static_cast<std::size_t>(plan.Item)];
    if (!listed) plan.Item = FirstCompleteItem(check);
    return plan;
}

std::string PlanText(const PagePlan& plan) {
    std::string text = "item=" + std::to_string(plan.Item) + "&res=" + std::string(LevelName(plan.Resources)) +
                       "&prod=" + std::string(LevelName(plan.Sale));
    if (plan.Manual) text += "&manual=1";
    std::string off;
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3})
        if (plan.Out[slot]) off.append(off.empty() ? "" : ",").append(std::to_string(slot));
    if (!off.empty()) text += "&off=" + off;
    std::string typed;
    for (const auto& [place, price] : plan.Typed)
        typed.append(typed.empty() ? "" : ",").append(PlaceName(place)).append(":").append(PriceInLink(price));
    if (!typed.empty()) text += "&p=" + typed;
    return text;
}

ChainModel ModelOf(const Catalogue& catalogue, const PagePlan& plan) {
    ChainModel model;
    ShowChain(model, catalogue, plan.Item);
    SetResourcePrices(model, catalogue, plan.Item, plan.Resources);
    SetProductPrices(model, catalogue, plan.Item, plan.Sale);
    for (const auto& [place, price] : plan.Typed) PlaceText(model, place) = price;
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3}) model[slot].Active = !plan.Out[slot];
    model.ManualPrices = plan.Manual;
    CalculateChain(model, catalogue, plan.Item);
    return model;
}

PagePlan PlanOf(const Catalogue& catalogue, int item, PriceLevel resources, PriceLevel sale, const ChainModel& model) {
    PagePlan plan;
    plan.Item = item;
    plan.Resources = resources;
    plan.Sale = sale;
    plan.Manual = model.ManualPrices;
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3}) plan.Out[slot] = !model[slot].Active;
    ChainModel levels = ModelOf(catalogue, plan);
    for (PricePlace place : AllPlaces()) {
        if (!model.ManualPrices && FilledByCalculation(place)) continue;
        if (PlaceText(model, place) != PlaceText(levels, place)) plan.Typed[place] = PlaceText(model, place);
    }
    return plan;
}
