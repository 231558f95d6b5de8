#pragma once
#include <string>
#include <string_view>

#include "grid/grid_axis.h"
#include "grid/grid_types.h"

class XLGridData;

// The part of a cell that needs no window: text, lines, layout, merging and selection.
// The window layer derives its cells from it to add their fonts.
class GridCell {
public:
    virtual ~GridCell() = default;

    // Repaints and tells screen readers of the new value; OnChange is an edit's alone.
    void SetText(std::string_view text);

    std::string Text;
    PerSide<CellLine> Lines;
    LayoutSides Padding;
    HAlignment HAlign = HAlignment::Left;
    VAlignment VAlign = VAlignment::Center;
    GridColor Color = 0;
    XLGridData* Grid = nullptr;
    bool Visible = true;
    // On a master cell: extra columns and rows its merged area covers.
    int ColSpan = 0;
    int RowSpan = 0;
    // Columns and rows back to the master of the merged area; (0, 0) on a master.
    GridPoint MasterOffset;
    // Selected while above 0: selections are counted, not flagged.
    int SelectCount = 0;
};

// A cell's span along the axis: its ColSpan or its RowSpan.
template <class Cell>
constexpr auto& SpanOn(Cell& cell, Axis axis) {
    return axis == Axis::Cols ? cell.ColSpan : cell.RowSpan;
}
