#include "calc/chain_copy.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "calc/chain.h"

namespace {

constexpr std::array<const char*, kFactorySlots> kRoles = {"Главная фабрика", "Фабрика поддержки 1",
                                                          "Фабрика поддержки 2", "Фабрика поддержки 3"};

std::string Line(std::initializer_list<std::string_view> fields) {
    std::string line;
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        if (field != fields.begin()) line += '\t';
        line += *field;
    }
    return line + "\r\n";
}

}  // namespace

std::string ChainCopyText(const ChainModel& model, const Catalogue& catalogue, int item) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return {};
    std::string text;
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) {
        const FactoryTexts& factory = model[slot];
        text += Line({kRoles[slot], factory.Name, chain->Products[slot]->Name, factory.Cycle, factory.Output,
                      factory.SalePrice});
        for (const ResourceRowTexts& row : factory.Rows)
            if (!row.Name.empty()) text += Line({"", row.Name, row.Quantity, row.Price});
    }
    for (const ResultDescription& result : kChainResults)
        text += Line({result.Caption, model.Results[result.Result]});
    return text;
}
