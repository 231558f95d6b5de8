#pragma once
#include <compare>

// Lengths in two units that must never mix: layout pixels, the 96-DPI figures a window is
// designed in, and device pixels, what the display and Win32 count. Only a DpiScale turns
// the one into the other; the compiler refuses anything else.
template <class Unit>
struct Pixels {
    int Value = 0;

    constexpr Pixels() = default;
    constexpr explicit Pixels(int value) : Value(value) {}

    friend constexpr auto operator<=>(Pixels, Pixels) = default;
    constexpr Pixels& operator+=(Pixels other) {
        Value += other.Value;
        return *this;
    }
    constexpr Pixels& operator-=(Pixels other) {
        Value -= other.Value;
        return *this;
    }
    friend constexpr Pixels operator+(Pixels a, Pixels b) { return a += b; }
    friend constexpr Pixels operator-(Pixels a, Pixels b) { return a -= b; }
    friend constexpr Pixels operator-(Pixels a) { return Pixels(-a.Value); }
    friend constexpr Pixels operator*(Pixels a, int times) { return Pixels(a.Value * times); }
};

template <class Unit>
struct PixelPoint {
    Pixels<Unit> X;
    Pixels<Unit> Y;
    friend constexpr bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A place: in the parent's client area, or on the screen for a top-level window.
template <class Unit>
struct PixelRect {
    Pixels<Unit> Left;
    Pixels<Unit> Top;
    Pixels<Unit> Width;
    Pixels<Unit> Height;

    constexpr Pixels<Unit> Right() const { return Left + Width; }
    constexpr Pixels<Unit> Bottom() const { return Top + Height; }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct LayoutUnit;
struct DeviceUnit;
using LayoutPx = Pixels<LayoutUnit>;
using DevicePx = Pixels<DeviceUnit>;
using LayoutPoint = PixelPoint<LayoutUnit>;
using DevicePoint = PixelPoint<DeviceUnit>;
using LayoutRect = PixelRect<LayoutUnit>;
using DeviceRect = PixelRect<DeviceUnit>;

constexpr LayoutPx operator""_lpx(unsigned long long value) { return LayoutPx(static_cast<int>(value)); }
constexpr DevicePx operator""_dpx(unsigned long long value) { return DevicePx(static_cast<int>(value)); }

constexpr LayoutRect MakeLayoutRect(int left, int top, int width, int height) {
    return {LayoutPx(left), LayoutPx(top), LayoutPx(width), LayoutPx(height)};
}
constexpr DeviceRect MakeDeviceRect(int left, int top, int width, int height) {
    return {DevicePx(left), DevicePx(top), DevicePx(width), DevicePx(height)};
}
