#pragma once
#include <array>
#include <cstdint>

// The stations offered as main factories, in the order of the factory combo box:
// 3 to 23, then 46 to 120.
constexpr std::size_t kFactoryCount = 96;

constexpr std::array<std::int32_t, kFactoryCount> MakeFactoryList() {
    std::array<std::int32_t, kFactoryCount> list{};
    for (std::size_t i = 0; i < kFactoryCount; ++i)
        list[i] = static_cast<std::int32_t>(i <= 20 ? 3 + i : 25 + i);
    return list;
}

inline constexpr std::array<std::int32_t, kFactoryCount> FactoryList = MakeFactoryList();
