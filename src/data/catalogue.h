#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The game's goods and factories, as read from the two table files. Records refer to each
// other by 0-based indices into the tables.

constexpr std::size_t kMaxNameLength = 255;

struct Ware {
    std::string Name;
    std::int32_t MinPrice = 0;
    std::int32_t AvgPrice = 0;
    std::int32_t MaxPrice = 0;
    std::int32_t UnitsPerCycle = 0;
    std::int32_t CycleSeconds = 0;
};

struct Station {
    std::string Name;
    std::int32_t Product = 0;
    std::int32_t ResourceCount = 0;
    std::array<std::int32_t, 3> Resources{};
    std::array<std::int32_t, 3> ResourceAmounts{};
    std::int32_t Reserved = 0;
    std::array<std::int32_t, 3> Supports{};
};

using WareTable = std::vector<Ware>;
using StationTable = std::vector<Station>;

struct Catalogue {
    WareTable Wares;
    StationTable Stations;
};
