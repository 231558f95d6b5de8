#include "grid/grid_layout.h"

#include <algorithm>

namespace {

// An outer line belongs wholly to its cell: half its width, but at least one pixel.
int OuterStrip(int width) {
    if (width <= 0) return 0;
    return std::max(1, HalfToEven(width));
}

// The share of a line between two cells taken by the cell right of or below it.
int FarShare(int mine, int facing) {
    int width = std::max({mine, facing, 0});
    return width == 0 ? 0 : std::max(1, HalfToEven(width));
}

int NearShare(int mine, int facing) {
    int width = std::max({mine, facing, 0});
    return width - FarShare(mine, facing);
}

}  // namespace

int HalfToEven(int width) {
    int half = width / 2;
    if (width % 2 != 0 && half % 2 != 0) ++half;  // exactly .5: towards the even neighbour
    return half;
}

GridSides CellLineStrips(const XLGridData& grid, int col, int row) {
    const GridCell* cell = grid.Cell(col, row);
    if (!cell) return {0, 0, 0, 0};
    const auto px = [scale = grid.Scale()](const CellLine& line) { return scale(LayoutPx(line.Width)).Value; };
    GridSides strips;
    const GridCell* left = grid.Cell(col - 1, row);
    strips.Left = left ? FarShare(px(cell->LeftLine), px(left->RightLine)) : OuterStrip(px(cell->LeftLine));
    const GridCell* above = grid.Cell(col, row - 1);
    strips.Top = above ? FarShare(px(cell->TopLine), px(above->BottomLine)) : OuterStrip(px(cell->TopLine));
    const GridCell* right = grid.Cell(col + cell->ColSpan + 1, row);
    strips.Right = right ? NearShare(px(cell->RightLine), px(right->LeftLine)) : OuterStrip(px(cell->RightLine));
    const GridCell* below = grid.Cell(col, row + cell->RowSpan + 1);
    strips.Bottom = below ? NearShare(px(cell->BottomLine), px(below->TopLine)) : OuterStrip(px(cell->BottomLine));
    return strips;
}

GridRect PaintedCells(const XLGridData& grid) {
    return {grid.LeftCol(), grid.TopRow(), std::min(grid.ColCount() - 1, grid.LeftCol() + grid.VisibleColCount()),
            std::min(grid.RowCount() - 1, grid.TopRow() + grid.VisibleRowCount())};
}

GridRect SelectionFrame(const XLGridData& grid) {
    GridRect sel = grid.GetSelRect();
    if (sel.Right == -1) {
        GridPoint cur = grid.GetCurCell();
        return grid.CellRect(cur.Col, cur.Row);
    }
    GridRect first = grid.CellRect(sel.Left, sel.Top);
    GridRect last = grid.CellRect(sel.Right, sel.Bottom);
    return {first.Left - 1, first.Top - 1, last.Right + 1, last.Bottom + 1};
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
