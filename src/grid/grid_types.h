#pragma once
#include <cstdint>

#include "base/dpi_scale.h"
#include "base/pixels.h"

// Cells are addressed 0-based by (Col, Row) over data rows; the caption row and the
// row-header column are not cells.
struct GridPoint {
    int Col = 0;
    int Row = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// A range of cells: the edges are inclusive column and row indices.
struct GridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

inline constexpr GridRect NoSelection{-1, -1, -1, -1};
inline constexpr GridPoint NoAnchor{-1, -1};

// An RGB value, or 0x80000000 plus a system colour index.
using GridColor = std::uint32_t;
constexpr GridColor SystemColor(int index) { return 0x80000000u + static_cast<GridColor>(index); }

enum class Side { Left, Top, Right, Bottom };
inline constexpr Side kSides[] = {Side::Left, Side::Top, Side::Right, Side::Bottom};

// One value for each of a rectangle's four sides.
template <class T>
struct PerSide {
    T Left{};
    T Top{};
    T Right{};
    T Bottom{};

    constexpr T& operator[](Side side) { return Pick(*this, side); }
    constexpr const T& operator[](Side side) const { return Pick(*this, side); }
    friend constexpr bool operator==(const PerSide&, const PerSide&) = default;

private:
    template <class Self>
    static constexpr auto& Pick(Self& self, Side side) {
        switch (side) {
        case Side::Left: return self.Left;
        case Side::Top: return self.Top;
        case Side::Right: return self.Right;
        case Side::Bottom: break;
        }
        return self.Bottom;
    }
};

// Line widths, paddings and margins in layout pixels; the strips lines take in device pixels.
template <class Unit>
using Sides = PerSide<Pixels<Unit>>;
using LayoutSides = Sides<LayoutUnit>;
using DeviceSides = Sides<DeviceUnit>;

constexpr DeviceSides Scaled(DpiScale scale, const LayoutSides& sides) {
    return {scale(sides.Left), scale(sides.Top), scale(sides.Right), scale(sides.Bottom)};
}

// The part of a rectangle inside the given widths of its sides.
constexpr DeviceRect Inset(const DeviceRect& rect, const DeviceSides& sides) {
    return {rect.Left + sides.Left, rect.Top + sides.Top, rect.Width - sides.Left - sides.Right,
            rect.Height - sides.Top - sides.Bottom};
}

struct CellLine {
    GridColor Color = 0;
    LayoutPx Width;
};

enum GridOption : std::uint8_t {
    RangeSelect = 1,
    ColHeaderSelect = 2,
    RowHeaderSelect = 4,
};

enum class HAlignment : std::uint8_t { Left = 0, Right = 1, Center = 2 };
enum class VAlignment : std::uint8_t { Top = 0, Bottom = 1, Center = 2 };
