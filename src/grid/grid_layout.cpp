#include "grid/grid_layout.h"

#include <algorithm>

namespace {

// An outer line belongs wholly to its cell: half its width, but at least one pixel.
DevicePx OuterStrip(DevicePx width) {
    if (width <= 0_dpx) return 0_dpx;
    return std::max(1_dpx, HalfToEven(width));
}

// The share of a line between two cells taken by the cell right of or below it.
DevicePx FarShare(DevicePx mine, DevicePx facing) {
    const DevicePx width = std::max({mine, facing, 0_dpx});
    return width == 0_dpx ? 0_dpx : std::max(1_dpx, HalfToEven(width));
}

DevicePx NearShare(DevicePx mine, DevicePx facing) {
    const DevicePx width = std::max({mine, facing, 0_dpx});
    return width - FarShare(mine, facing);
}

}  // namespace

DevicePx HalfToEven(DevicePx width) {
    int half = width.Value / 2;
    if (width.Value % 2 != 0 && half % 2 != 0) ++half;  // exactly .5: towards the even neighbour
    return DevicePx(half);
}

DeviceSides CellLineStrips(const XLGridData& grid, int col, int row) {
    const GridCell* cell = grid.Cell(col, row);
    if (!cell) return {};
    const auto px = [scale = grid.Scale()](const CellLine& line) { return scale(line.Width); };
    DeviceSides strips;
    for (Axis axis : kAxes) {
        const Side start = StartSide(axis), end = EndSide(axis);
        GridPoint before{col, row}, after{col, row};
        IndexOn(before, axis) -= 1;
        IndexOn(after, axis) += SpanOn(*cell, axis) + 1;
        const GridCell* previous = grid.Cell(before.Col, before.Row);
        const GridCell* next = grid.Cell(after.Col, after.Row);
        strips[start] = previous ? FarShare(px(cell->Lines[start]), px(previous->Lines[end]))
                                 : OuterStrip(px(cell->Lines[start]));
        strips[end] = next ? NearShare(px(cell->Lines[end]), px(next->Lines[start])) : OuterStrip(px(cell->Lines[end]));
    }
    return strips;
}

GridRect PaintedCells(const XLGridData& grid) {
    return {grid.LeftCol(), grid.TopRow(), std::min(grid.ColCount() - 1, grid.LeftCol() + grid.VisibleColCount()),
            std::min(grid.RowCount() - 1, grid.TopRow() + grid.VisibleRowCount())};
}

DeviceRect SelectionFrame(const XLGridData& grid) {
    const GridRect sel = grid.GetSelRect();
    if (sel.Right == -1) {
        GridPoint cur = grid.GetCurCell();
        return grid.CellRect(cur.Col, cur.Row);
    }
    const DeviceRect first = grid.CellRect(sel.Left, sel.Top);
    const DeviceRect last = grid.CellRect(sel.Right, sel.Bottom);
    return {first.Left - 1_dpx, first.Top - 1_dpx, last.Right() - first.Left + 2_dpx,
            last.Bottom() - first.Top + 2_dpx};
}

bool SelectionBeyondCurCell(const XLGridData& grid) {
    GridRect sel = grid.GetSelRect();
    if (sel.Right == -1) return false;
    GridPoint cur = grid.GetCurCell();
    const GridCell* cell = grid.Cell(cur.Col, cur.Row);
    int curRight = cur.Col + (cell ? cell->ColSpan : 0);
    int curBottom = cur.Row + (cell ? cell->RowSpan : 0);
    return sel.Left < cur.Col || sel.Top < cur.Row || sel.Right > curRight || sel.Bottom > curBottom;
}
