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
std::pair<int, int> XLGridData::ExpandRange(Axis axis, int acrossFrom, int acrossTo, int index) const {
    const int count = Along(axis).Count;
    if (count == 0) return {index, index};
    int lo = std::clamp(index, 0, count - 1);
    int hi = lo;
    acrossFrom = std::max(acrossFrom, 0);
    acrossTo = std::min(acrossTo, Along(Across(axis)).Count - 1);
    for (bool grown = true; grown;) {
        int newLo = lo, newHi = hi;
        for (int across = acrossFrom; across <= acrossTo; ++across) {
            for (int at = lo; at <= hi; ++at) {
                const GridRect area = MasterArea(MasterOf(CellAt(axis, at, across)));
                newLo = std::min(newLo, FirstOn(area, axis));
                newHi = std::max(newHi, std::min(LastOn(area, axis), count - 1));
            }
        }
        grown = newLo != lo || newHi != hi;
        lo = newLo;
        hi = newHi;
    }
    return {lo, hi};
}

GridRect XLGridData::ClampRange(GridRect range) const {
    for (Axis axis : kAxes) {
        int& first = FirstOn(range, axis);
        int& last = LastOn(range, axis);
        if (first > last) std::swap(first, last);
        first = std::clamp(first, 0, Along(axis).Count - 1);
        last = std::clamp(last, 0, Along(axis).Count - 1);
    }
    return range;
}

GridRect XLGridData::GrowToMergedAreas(GridRect range) const {
    for (;;) {
        GridRect grown;
        for (Axis axis : kAxes) {
            const int acrossFrom = FirstOn(range, Across(axis)), acrossTo = LastOn(range, Across(axis));
            const auto [firstLo, firstHi] = ExpandRange(axis, acrossFrom, acrossTo, FirstOn(range, axis));
            const auto [lastLo, lastHi] = ExpandRange(axis, acrossFrom, acrossTo, LastOn(range, axis));
            FirstOn(grown, axis) = std::min(firstLo, lastLo);
            LastOn(grown, axis) = std::max(firstHi, lastHi);
        }
        if (grown == range) return range;
        range = grown;
    }
}

void XLGridData::SetCurCell(GridPoint cell) {
    if (ColCount() == 0 || RowCount() == 0) return;
    UpdateScope update(host_);
    // A refused edit stays open over its cell, so the current cell stays there too.
    if (!host_.EndEdit(true, false)) return;
    curCell_ = {std::clamp(cell.Col, 0, ColCount() - 1), std::clamp(cell.Row, 0, RowCount() - 1)};
    for (Axis axis : kAxes) StepIntoView(axis, IndexOn(curCell_, axis));
    curCell_ = MasterOf(curCell_);
    SelectRange(MasterArea(curCell_));
    // The master lies up and left of the cell asked for: showing it shows the area's start.
    for (Axis axis : kAxes)
        if (First(axis) > IndexOn(curCell_, axis)) SetFirst(axis, IndexOn(curCell_, axis));
    host_.CurCellChanged(curCell_);
    host_.SelectionChanged(selection_);
    UpdateScrollBars();
}

void XLGridData::SelectRange(const GridRect& range) {
    if (ColCount() == 0 || RowCount() == 0) return;
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
