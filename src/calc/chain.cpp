#include "calc/chain.h"

#include <algorithm>
#include <vector>

#include "data/factory_list.h"

namespace {

template <class Record>
const Record* Lookup(const std::vector<Record>& table, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return nullptr;
    return &table[static_cast<std::size_t>(index)];
}

// Fills the product and the read rows of one factory; false when a reference is broken.
bool ResolveFactory(const WareTable& wares, const Station& station, std::size_t pricedRows,
                    const Ware*& product, std::array<const Ware*, kResourceRows>& resources) {
    if (station.ResourceCount < 0 || station.ResourceCount > static_cast<std::int32_t>(kResourceRows))
        return false;
    product = Lookup(wares, station.Product);
    if (!product) return false;
    std::size_t readRows = std::max(pricedRows, static_cast<std::size_t>(station.ResourceCount));
    for (std::size_t row = 0; row < readRows; ++row) {
        resources[row] = Lookup(wares, station.Resources[row]);
        if (!resources[row]) return false;
    }
    return true;
}

}  // namespace

std::optional<Chain> ChainOfItem(const Catalogue& catalogue, int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= FactoryList.size()) return std::nullopt;
    Chain chain;
    chain.MainStation = FactoryList[static_cast<std::size_t>(item)];
    chain.Stations[kMain] = Lookup(catalogue.Stations, chain.MainStation);
    if (!chain.Stations[kMain]) return std::nullopt;
    for (FactorySlot support : {kSupport1, kSupport2, kSupport3}) {
        chain.Stations[support] = Lookup(catalogue.Stations, SupportStation(*chain.Stations[kMain], support));
        if (!chain.Stations[support]) return std::nullopt;
    }
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) {
        if (!ResolveFactory(catalogue.Wares, *chain.Stations[slot], kPricedRows[slot], chain.Products[slot],
                            chain.Resources[slot]))
            return std::nullopt;
    }
    return chain;
}
