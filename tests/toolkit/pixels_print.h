#pragma once
#include <ostream>

#include "base/pixels.h"

// Lengths and places as figures in test failures.
template <class Unit>
void PrintTo(Pixels<Unit> length, std::ostream* os) {
    *os << length.Value;
}

template <class Unit>
void PrintTo(const PixelRect<Unit>& rect, std::ostream* os) {
    *os << "{" << rect.Left.Value << ", " << rect.Top.Value << ", " << rect.Width.Value << " x "
        << rect.Height.Value << "}";
}
