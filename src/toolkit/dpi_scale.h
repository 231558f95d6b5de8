#pragma once
#include <cstdint>

// A display's pixels per inch and the scaling of the layout's pixels, which are given at
// 96 DPI, to it. Rounds as MulDiv does: v * dpi / 96, halves away from zero.
class DpiScale {
public:
    static constexpr int kLayoutDpi = 96;

    constexpr DpiScale() = default;
    constexpr explicit DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kLayoutDpi) {}

    constexpr int Dpi() const { return dpi_; }
    constexpr int operator()(int value) const {
        const std::int64_t product = std::int64_t{value} * dpi_;
        const std::int64_t magnitude = ((product < 0 ? -product : product) + kLayoutDpi / 2) / kLayoutDpi;
        return static_cast<int>(product < 0 ? -magnitude : magnitude);
    }
    friend constexpr bool operator==(DpiScale, DpiScale) = default;

private:
    int dpi_ = kLayoutDpi;
};
