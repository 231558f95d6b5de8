#pragma once
#include <cstdint>

#include "data/catalogue.h"

// The game's three price levels; each selects one price field of a ware.
enum class PriceLevel { Minimum, Average, Maximum };

inline std::int32_t PriceAt(const Ware& ware, PriceLevel level) {
    switch (level) {
        case PriceLevel::Minimum: return ware.MinPrice;
        case PriceLevel::Maximum: return ware.MaxPrice;
        case PriceLevel::Average: break;
    }
    return ware.AvgPrice;
}
