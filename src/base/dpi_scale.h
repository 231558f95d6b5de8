#pragma once
#include <cstdint>

#include "base/pixels.h"

// A display's pixels per inch and the scaling of layout pixels, which are given at 96 DPI,
// to its device pixels. Rounds as MulDiv does: v * dpi / 96, halves away from zero.
class DpiScale {
public:
    static constexpr int kLayoutDpi = 96;

    constexpr DpiScale() = default;
    constexpr explicit DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kLayoutDpi) {}

    constexpr int Dpi() const { return dpi_; }
    constexpr DevicePx operator()(LayoutPx length) const {
        const std::int64_t product = std::int64_t{length.Value} * dpi_;
        const std::int64_t magnitude = ((product < 0 ? -product : product) + kLayoutDpi / 2) / kLayoutDpi;
        return DevicePx(static_cast<int>(product < 0 ? -magnitude : magnitude));
    }
    constexpr DevicePoint operator()(LayoutPoint point) const { return {(*this)(point.X), (*this)(point.Y)}; }
    constexpr DeviceRect operator()(const LayoutRect& rect) const {
        return {(*this)(rect.Left), (*this)(rect.Top), (*this)(rect.Width), (*this)(rect.Height)};
    }
    friend constexpr bool operator==(DpiScale, DpiScale) = default;

private:
    int dpi_ = kLayoutDpi;
};
