#include "factory_names.h"

#include "base/name_match.h"
#include "base/text_convert.h"
#include "data/factory_list.h"

namespace {

constexpr std::size_t kMostListed = 10;

std::string Quoted(const std::string& name) { return "«" + name + "»"; }

// One factory a line, as the report lists them: the item, then the name.
std::string ItemLines(const std::vector<std::string>& names, const std::vector<std::size_t>& items) {
    std::string lines;
    for (std::size_t k = 0; k < items.size() && k < kMostListed; ++k)
        lines += FormatInts("\n%5d  ", static_cast<std::int32_t>(items[k])) + names[items[k]];
    if (items.size() > kMostListed)
        lines += FormatInts("\n       и еще %d", static_cast<std::int32_t>(items.size() - kMostListed));
    return lines;
}

}  // namespace

std::vector<std::string> ListNames(const Catalogue& tables) {
    std::vector<std::string> names;
    for (std::int32_t station : FactoryList) {
        std::size_t index = static_cast<std::size_t>(station);
        names.emplace_back(index < tables.Stations.size() ? TrimBlanks(tables.Stations[index].Name) : "");
    }
    return names;
}

std::optional<int> ItemOfOperand(const Options& options, const Catalogue& tables, std::string& problem) {
    if (!options.FactoryName) return options.Item;
    std::vector<std::string> names = ListNames(tables);
    NameSearch search = FindName(names, *options.FactoryName);
    if (search.Result == NameSearch::Found::One) return static_cast<int>(search.Names.front());
    std::string quoted = Quoted(*options.FactoryName);
    if (search.Result == NameSearch::Found::Several)
        problem = quoted + " подходит к нескольким фабрикам списка; укажите номер пункта или название точнее:";
    else if (search.Names.empty())
        problem = "в списке фабрик нет " + quoted + "; номера и названия фабрик показывает kelm-chains report";
    else
        problem = "в списке фабрик нет " + quoted + "; может быть, одна из этих:";
    problem += ItemLines(names, search.Names);
    return std::nullopt;
}
