#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "data/catalogue.h"

// The four factories of a chain, in the order the window shows them.
enum FactorySlot : std::size_t { kMain, kSupport1, kSupport2, kSupport3 };
inline constexpr std::size_t kFactorySlots = 4;
inline constexpr std::size_t kResourceRows = 3;

// The shape of every chain: each support factory makes one resource of its consumer, the
// ware of that row. Listed in the order the calculation feeds them, support 2 first, as it
// supplies support 1.
struct Supply {
    FactorySlot Supplier;
    FactorySlot Consumer;
    std::size_t Row;  // the consumer's resource row
};
inline constexpr std::array<Supply, 3> kSupplies = {{
    {kSupport2, kSupport1, 1},
    {kSupport1, kMain, 1},
    {kSupport3, kMain, 2},
}};

// Rows whose prices the price buttons set whatever ResourceCount says: three of the main
// factory, two of support factory 1, one each of support factories 2 and 3.
inline constexpr std::array<std::size_t, kFactorySlots> kPricedRows = {3, 2, 1, 1};

// The station of support factory `support`: entry 0 to 2 of the main station's Supports.
inline std::int32_t SupportStation(const Station& main, FactorySlot support) { return main.Supports[support - kSupport1]; }

// The station of any factory of the chain whose main station is mainStation.
inline std::int32_t StationOfSlot(const Station& main, std::int32_t mainStation, FactorySlot slot) {
    return slot == kMain ? mainStation : SupportStation(main, slot);
}

// A chain whose table references have all been followed once, so the chain operations read
// nothing outside the tables. Valid while the catalogue it came from is unchanged.
struct Chain {
    std::int32_t MainStation = 0;
    std::array<const Station*, kFactorySlots> Stations{};
    std::array<const Ware*, kFactorySlots> Products{};
    // The ware of every row an operation reads (rows below ResourceCount and the priced
    // rows); nullptr for the others.
    std::array<std::array<const Ware*, kResourceRows>, kFactorySlots> Resources{};
};

// The chain of item `item`, an index into FactoryList. Nothing when the item is
// outside the list, when a station or ware index the chain operations follow lies outside
// its table, or when a ResourceCount is outside 0 to 3.
std::optional<Chain> ChainOfItem(const Catalogue& catalogue, int item);
