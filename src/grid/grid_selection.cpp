#include <algorithm>

#include "grid/grid_data.h"

GridPoint XLGridData::MasterOf(GridPoint cell) const {
    const GridCell* c = Cell(cell.Col, cell.Row);
    if (!c) return cell;
    return {cell.Col - c->MasterOffset.Col, cell.Row - c->MasterOffset.Row};
}

GridRect XLGridData::MasterArea(GridPoint master) const {
    const GridCell* c = Cell(master.Col, master.Row);
    if (!c) return {master.Col, master.Row, master.Col, master.Row};
    return {master.Col, master.Row, master.Col + c->ColSpan, master.Row + c->RowSpan};
}

// The span is taken from the master itself, so an area is covered whole even when its
// master lies outside the rows (columns) scanned.
std::pair<int, int> XLGridData::ExpandColRange(int rowFrom, int rowTo, int col) const {
    if (colCount_ == 0) return {col, col};
    int lo = std::clamp(col, 0, colCount_ - 1);
    int hi = lo;
    rowFrom = std::max(rowFrom, 0);
    rowTo = std::min(rowTo, rowCount_ - 1);
    for (bool grown = true; grown;) {
        int newLo = lo, newHi = hi;
        for (int row = rowFrom; row <= rowTo; ++row) {
            for (int x = lo; x <= hi; ++x) {
                GridRect area = MasterArea(MasterOf({x, row}));
                newLo = std::min(newLo, area.Left);
                newHi = std::max(newHi, std::min<int>(area.Right, colCount_ - 1));
            }
        }
        grown = newLo != lo || newHi != hi;
        lo = newLo;
        hi = newHi;
    }
    return {lo, hi};
}

std::pair<int, int> XLGridData::ExpandRowRange(int colFrom, int colTo, int row) const {
    if (rowCount_ == 0) return {row, row};
    int lo = std::clamp(row, 0, rowCount_ - 1);
    int hi = lo;
    colFrom = std::max(colFrom, 0);
    colTo = std::min(colTo, colCount_ - 1);
    for (bool grown = true; grown;) {
        int newLo = lo, newHi = hi;
        for (int y = lo; y <= hi; ++y) {
            for (int col = colFrom; col <= colTo; ++col) {
                GridRect area = MasterArea(MasterOf({col, y}));
                newLo = std::min(newLo, area.Top);
                newHi = std::max(newHi, std::min<int>(area.Bottom, rowCount_ - 1));
            }
        }
        grown = newLo != lo || newHi != hi;
        lo = newLo;
        hi = newHi;
    }
    return {lo, hi};
}

GridRect XLGridData::ClampRange(GridRect range) const {
    if (range.Left > range.Right) std::swap(range.Left, range.Right);
    if (range.Top > range.Bottom) std::swap(range.Top, range.Bottom);
    return {std::clamp(range.Left, 0, colCount_ - 1), std::clamp(range.Top, 0, rowCount_ - 1),
            std::clamp(range.Right, 0, colCount_ - 1), std::clamp(range.Bottom, 0, rowCount_ - 1)};
}

GridRect XLGridData::GrowToMergedAreas(GridRect range) const {
    for (;;) {
        auto [leftLo, leftHi] = ExpandColRange(range.Top, range.Bottom, range.Left);
        auto [rightLo, rightHi] = ExpandColRange(range.Top, range.Bottom, range.Right);
        auto [topLo, topHi] = ExpandRowRange(range.Left, range.Right, range.Top);
        auto [bottomLo, bottomHi] = ExpandRowRange(range.Left, range.Right, range.Bottom);
        GridRect grown{std::min(leftLo, rightLo), std::min(topLo, bottomLo), std::max(leftHi, rightHi),
                       std::max(topHi, bottomHi)};
        if (grown == range) return range;
        range = grown;
    }
}

void XLGridData::SetCurCell(GridPoint cell) {
    if (colCount_ == 0 || rowCount_ == 0) return;
    UpdateScope update(host_);
    // A refused edit stays open over its cell, so the current cell stays there too.
    if (!host_.EndEdit(true, false)) return;
    curCell_ = {std::clamp(cell.Col, 0, colCount_ - 1), std::clamp(cell.Row, 0, rowCount_ - 1)};
    while (curCell_.Row > topRow_ + VisibleRowCount() - 1) SetTopRow(topRow_ + 1);
    while (curCell_.Col > leftCol_ + VisibleColCount() - 1) SetLeftCol(leftCol_ + 1);
    if (curCell_.Col < leftCol_) SetLeftCol(leftCol_ - 1);
    if (curCell_.Row < topRow_) SetTopRow(topRow_ - 1);
    curCell_ = MasterOf(curCell_);
    SelectRange(MasterArea(curCell_));
    // The master lies up and left of the cell asked for: showing it shows the area's start.
    if (topRow_ > curCell_.Row) SetTopRow(curCell_.Row);
    if (leftCol_ > curCell_.Col) SetLeftCol(curCell_.Col);
    host_.CurCellChanged(curCell_);
    host_.SelectionChanged(selection_);
    UpdateScrollBars();
}

void XLGridData::SelectRange(const GridRect& range) {
    if (colCount_ == 0 || rowCount_ == 0) return;
    UpdateScope update(host_);
    if (selection_.Top != -1)
        ForEachCell(selection_, [](GridCell& cell) { cell.SelectCount = std::max(0, cell.SelectCount - 1); });
    selection_ = GrowToMergedAreas(ClampRange(range));
    ForEachCell(selection_, [](GridCell& cell) { ++cell.SelectCount; });
    host_.SelectionChanged(selection_);
}

void XLGridData::SetAllSelected(bool selected) {
    UpdateScope update(host_);
    ForEachCell(AllCells(), [selected](GridCell& cell) { cell.SelectCount = selected ? 1 : 0; });
}

bool XLGridData::IsSelected(int col, int row) const {
    const GridCell* cell = Cell(col, row);
    return cell && cell->SelectCount > 0;
}

GridRect XLGridData::GetSelRect() const {
    if (HasOption(RangeSelect)) return selection_;
    return {curCell_.Col, curCell_.Row, curCell_.Col, curCell_.Row};
}
