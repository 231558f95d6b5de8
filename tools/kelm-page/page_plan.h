#pragma once
#include <array>
#include <compare>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calc/chain_model.h"
#include "calc/price_level.h"
#include "calc/table_check.h"
#include "data/catalogue.h"

// What a player set on the web page, as the address's fragment keeps it:
//   item=I&res=min|avg|max&prod=min|avg|max[&manual=1][&off=1,2,3][&p=PLACE:PRICE,...]
// It stands for the window after choosing item I, pressing the resource button and then the
// product button of those levels, typing the prices of p, clearing the support boxes of off,
// checking «Все цены выставляются вручную» when manual says so, and «Расчет».
// A PLACE is a factory, 0 for the main one and 1 to 3 for the supports, for its sale price,
// or a factory and a resource row from 1, "0.2", for that row's price.

struct PricePlace {
    FactorySlot Slot = kMain;
    int Row = -1;  // resource row from 0; -1: the sale price

    auto operator<=>(const PricePlace&) const = default;
};

// The sixteen places, in the fragment's order: each factory's sale price, then its rows.
const std::vector<PricePlace>& AllPlaces();

// Whether the calculation writes its transfer prices there when prices are not all manual.
bool FilledByCalculation(PricePlace place);

std::string& PlaceText(ChainModel& model, PricePlace place);
const std::string& PlaceText(const ChainModel& model, PricePlace place);

struct PagePlan {
    int Item = 0;  // index into FactoryList
    PriceLevel Resources = PriceLevel::Average;
    PriceLevel Sale = PriceLevel::Average;
    bool Manual = false;
    std::array<bool, kFactorySlots> Out{};  // by FactorySlot; the main factory is never out
    std::map<PricePlace, std::string> Typed;
};

// The plan a fragment describes. Parts it lacks or that make no sense are left at their
// defaults: an item whose chain is not complete becomes the first complete one; a typed
// price keeps its sign and digits only.
PagePlan ReadPlan(std::string_view fragment, const TableCheck& check);

// The fragment of a plan, without "#".
std::string PlanText(const PagePlan& plan);

// The window as the plan leaves it, calculated.
ChainModel ModelOf(const Catalogue& catalogue, const PagePlan& plan);

// The shortest plan that leaves the window as `model` is, given the item and the two levels
// last pressed: typed prices only where the model differs from what the buttons put, and in
// automatic mode none where the calculation writes.
PagePlan PlanOf(const Catalogue& catalogue, int item, PriceLevel resources, PriceLevel sale, const ChainModel& model);

// "min", "avg" or "max".
std::string_view LevelName(PriceLevel level);
