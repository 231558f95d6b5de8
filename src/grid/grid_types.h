#pragma once
#include <cstdint>

// Cells are addressed 0-based by (Col, Row) over data rows; the caption row and the
// row-header column are not cells.
struct GridPoint {
    int Col = 0;
    int Row = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// A rectangle. For cell ranges the edges are inclusive column and row indices; for pixels
// Right and Bottom lie just outside, as in Win32.
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

struct CellLine {
    GridColor Color = 0;
    int Width = 0;
};

// Four per-side values: line widths or padding.
struct GridSides {
    int Left = 1;
    int Top = 1;
    int Right = 1;
    int Bottom = 1;
    friend bool operator==(const GridSides&, const GridSides&) = default;
};

enum GridOption : std::uint8_t {
    RangeSelect = 1,
    ColHeaderSelect = 2,
    RowHeaderSelect = 4,
};

enum class HAlignment : std::uint8_t { Left = 0, Right = 1, Center = 2 };
enum class VAlignment : std::uint8_t { Top = 0, Bottom = 1, Center = 2 };
