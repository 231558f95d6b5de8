#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The seven results of a calculation, described once: the calculation, the window and the
// command-line tool all take what a result is, how it is shown and what it is called from
// kChainResults.

// A result; also its place in every array of results.
enum ChainResult : std::size_t {
    kMainCost,
    kSupport1Cost,
    kSupport2Cost,
    kSupport3Cost,
    kTotalCost,
    kMainIncome,
    kChainIncome,
};
inline constexpr std::size_t kChainResultCount = 7;

// What a result measures, which fixes how its value becomes its text.
enum class ResultMeasure {
    CostPerCycle,  // per main-factory cycle, truncated to 32 bits, integer text
    IncomePerDay,  // a per-cycle income times cycles per day, truncated to 64 bits, real text
};

struct ResultDescription {
    ChainResult Result;
    ResultMeasure Measure;
    const char* Caption;  // beside its value in the window
    const char* Column;   // its column heading in the tool's tables
    const char* Key;      // its key in the tool's JSON and CSV
};

inline constexpr std::array<ResultDescription, kChainResultCount> kChainResults = {{
    {kMainCost, ResultMeasure::CostPerCycle, "Затраты на производство на главной фабрике:", "Затраты: главная",
     "main_cost"},
    {kSupport1Cost, ResultMeasure::CostPerCycle, "Затраты на первой фабрике поддержки:", "фабрика 1",
     "support1_cost"},
    {kSupport2Cost, ResultMeasure::CostPerCycle, "Затраты на второй фабрике поддержки:", "фабрика 2",
     "support2_cost"},
    {kSupport3Cost, ResultMeasure::CostPerCycle, "Затраты на третьей фабрике поддержки:", "фабрика 3",
     "support3_cost"},
    {kTotalCost, ResultMeasure::CostPerCycle, "Суммарные затраты на всех фабриках:", "всего", "total_cost"},
    {kMainIncome, ResultMeasure::IncomePerDay, "Доход главной фабрики за сутки:", "Доход за сутки: фабрики",
     "main_income"},
    {kChainIncome, ResultMeasure::IncomePerDay, "Доход цепочки за сутки:", "цепочки", "chain_income"},
}};

constexpr bool DescribedInOrder() {
    for (std::size_t k = 0; k < kChainResults.size(); ++k)
        if (kChainResults[k].Result != k) return false;
    return true;
}
static_assert(DescribedInOrder(), "kChainResults lists each result at its own place");

constexpr const ResultDescription& Describe(ChainResult result) { return kChainResults[result]; }

// The caption as words in a sentence or a heading: without its closing colon.
constexpr std::string_view CaptionWords(ChainResult result) {
    std::string_view caption = Describe(result).Caption;
    return caption.substr(0, caption.size() - 1);
}

// One value per result, indexed by ChainResult.
template <class Value>
struct PerResult {
    std::array<Value, kChainResultCount> Values{};

    Value& operator[](ChainResult result) { return Values[result]; }
    const Value& operator[](ChainResult result) const { return Values[result]; }
};

// The seven value labels of "Результаты расчета"; each reads "0" until the first calculation.
struct ChainResultTexts : PerResult<std::string> {
    ChainResultTexts() { Values.fill("0"); }
};
