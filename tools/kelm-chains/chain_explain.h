#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "book_note.h"
#include "calc/chain.h"
#include "calc/chain_calculation.h"
#include "calc/chain_model.h"
#include "calc/price_level.h"
#include "chain_report.h"
#include "data/catalogue.h"

// One chain calculated as `report` calculates it, kept with everything the calculation
// read and wrote, so its working can be shown step by step.
struct Explanation {
    int Item = 0;
    PriceLevel Level = PriceLevel::Average;
    Chain Links;
    ChainModel Model;  // after "Расчет": transfer prices in the boxes and rows they feed
    ChainFigures Figures;
};

// With both price buttons of setting's resource level, its book and its mode.
std::optional<Explanation> ExplainChain(const Catalogue& catalogue, int item, const PriceSetting& setting,
                                        std::vector<bool>& bookUse);

// The working in the order of the calculation: supports 2, 1 and 3, the main factory, the
// sums, and last the seven results as the window's labels show them. UTF-8.
std::string ExplanationText(const Explanation& explanation, const BookNote* book);
// The same as one JSON object; the seven results under report's keys at the top level.
std::string ExplanationJson(const Explanation& explanation, const BookNote* book);
