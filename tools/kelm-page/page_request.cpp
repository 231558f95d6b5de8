#include "page_request.h"

#include <optional>

#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "page_plan.h"
#include "page_view.h"

namespace {

// The price a player types: digits only, as the window's price cells take them.
std::string TypedDigits(std::string_view text) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9' && digits.size() < 10) digits += c;
    return digits;
}

// "F.sale" or "F.R.price" as the place it names.
std::optional<PricePlace> TypedPlace(std::string_view key) {
    for (PricePlace place : AllPlaces()) {
        std::string name = std::to_string(place.Slot);
        if (place.Row < 0) name += ".sale";
        else name.append(".").append(std::to_string(place.Row + 1)).append(".price");
        if (key == name) return place;
    }
    return std::nullopt;
}

// What the player did, done to the window as its handler does it; the levels follow the
// buttons pressed.
void Act(const Catalogue& catalogue, std::string_view action, PagePlan& plan, ChainModel& model) {
    std::size_t space = action.find(' ');
    std::string_view key = action.substr(0, space);
    std::string_view value = space == std::string_view::npos ? std::string_view() : action.substr(space + 1);
    for (PriceLevel level : {PriceLevel::Minimum, PriceLevel::Average, PriceLevel::Maximum}) {
        if (key == "res." + std::string(LevelName(level))) {
            SetResourcePrices(model, catalogue, plan.Item, level);
            plan.Resources = level;
        } else if (key == "prod." + std::string(LevelName(level))) {
            SetProductPrices(model, catalogue, plan.Item, level);
            plan.Sale = level;
        }
    }
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3}) {
        if (key != std::to_string(slot) + ".active") continue;
        model[slot].Active = value == "1";
        // «Фабрика 2:» follows «Фабрика 1:».
        if (slot == kSupport1) model[kSupport2].Active = model[slot].Active;
    }
    if (key == "manual") model.ManualPrices = value == "1";
    std::optional<PricePlace> place = TypedPlace(key);
    // What the window would not let a player type into: a factory left out, a price the
    // calculation writes.
    if (place && model[place->Slot].Active && (model.ManualPrices || !FilledByCalculation(*place)))
        PlaceText(model, *place) = TypedDigits(value);
}

}  // namespace

PageTables LoadPageTables(std::string_view waresText, std::string_view stationsText) {
    PageTables tables;
    LoadReport report = LoadTablesFromText(waresText, stationsText, tables.Tables);
    tables.Check = CheckTables(tables.Tables, report);
    return tables;
}

std::string AnswerRequest(const PageTables& tables, std::string_view request) {
    std::size_t lineEnd = request.find('\n');
    std::string_view fragment = request.substr(0, lineEnd);
    std::string_view action = lineEnd == std::string_view::npos ? std::string_view() : request.substr(lineEnd + 1);
    PagePlan plan = ReadPlan(fragment, tables.Check);
    if (plan.Item < 0) return "\n";
    if (action.rfind("item ", 0) == 0) {
        // A new factory: its prices at the average buttons; the boxes stay as they were.
        PagePlan chosen = ReadPlan("item=" + std::string(action.substr(5)), tables.Check);
        chosen.Manual = plan.Manual;
        chosen.Out = plan.Out;
        plan = chosen;
    }
    ChainModel model = ModelOf(tables.Tables, plan);
    Act(tables.Tables, action, plan, model);
    CalculateChain(model, tables.Tables, plan.Item);
    plan = PlanOf(tables.Tables, plan.Item, plan.Resources, plan.Sale, model);
    return PlanText(plan) + "\n" + ViewText(tables.Tables, plan, model);
}
