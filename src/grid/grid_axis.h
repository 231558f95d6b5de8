#pragma once
#include "grid/grid_types.h"

// The grid's two axes: its columns lie along x, its rows along y. Each geometric algorithm
// is written once for an axis and used for both.
enum class Axis { Cols, Rows };
inline constexpr Axis kAxes[] = {Axis::Cols, Axis::Rows};

constexpr Axis Across(Axis axis) { return axis == Axis::Cols ? Axis::Rows : Axis::Cols; }

// A cell's column or row.
template <class Point>
constexpr auto& IndexOn(Point& cell, Axis axis) {
    return axis == Axis::Cols ? cell.Col : cell.Row;
}

// The cell at index along the axis and at across on the other one.
constexpr GridPoint CellAt(Axis axis, int index, int across) {
    return axis == Axis::Cols ? GridPoint{index, across} : GridPoint{across, index};
}

// A range's first and last column, or first and last row.
template <class Range>
constexpr auto& FirstOn(Range& range, Axis axis) {
    return axis == Axis::Cols ? range.Left : range.Top;
}
template <class Range>
constexpr auto& LastOn(Range& range, Axis axis) {
    return axis == Axis::Cols ? range.Right : range.Bottom;
}

// The range's edge a step goes towards (step -1: its first, +1: its last) and the other.
template <class Range>
constexpr auto& LeadingOn(Range& range, Axis axis, int step) {
    return step < 0 ? FirstOn(range, axis) : LastOn(range, axis);
}
template <class Range>
constexpr auto& TrailingOn(Range& range, Axis axis, int step) {
    return step < 0 ? LastOn(range, axis) : FirstOn(range, axis);
}

// The sides a cell faces its neighbours along the axis on: left and right, or top and bottom.
constexpr Side StartSide(Axis axis) { return axis == Axis::Cols ? Side::Left : Side::Top; }
constexpr Side EndSide(Axis axis) { return axis == Axis::Cols ? Side::Right : Side::Bottom; }
