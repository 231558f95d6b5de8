#include <algorithm>

#include "grid/grid_data.h"

// Each size is scaled on its own, so a column is as wide wherever it is summed.
DevicePx XLGridData::DeviceSize(Axis axis, int index) const { return Scale()(Size(axis, index)); }

DevicePx XLGridData::DeviceHeaderSize(Axis axis) const { return Scale()(Along(axis).HeaderSize); }

DevicePx XLGridData::SumSizes(Axis axis, int from, int to) const {
    DevicePx sum;
    for (int index = from; index <= to; ++index) sum += DeviceSize(axis, index);
    return sum;
}

DevicePx XLGridData::Start(Axis axis, int index) const {
    const int first = Along(axis).First;
    const DevicePx fromFirst = index >= first ? SumSizes(axis, first, index - 1) : -SumSizes(axis, index, first - 1);
    return DeviceHeaderSize(axis) + fromFirst;
}

// Cells scrolled out of view get coordinates left of or above the header strips.
DeviceRect XLGridData::CellRect(int col, int row) const {
    const GridCell* cell = Cell(col, row);
    if (!cell) return {DeviceHeaderSize(Axis::Cols), DeviceHeaderSize(Axis::Rows), 0_dpx, 0_dpx};
    return {Start(Axis::Cols, col), Start(Axis::Rows, row), SumSizes(Axis::Cols, col, col + cell->ColSpan),
            SumSizes(Axis::Rows, row, row + cell->RowSpan)};
}

// The shared edge pixel belongs to the column (row) before it; a point beyond the last
// gives the last, one before the first shown -1.
int XLGridData::IndexAt(Axis axis, DevicePx at) const {
    const GridAxis& along = Along(axis);
    DevicePx pos = DeviceHeaderSize(axis);
    int result = -1;
    for (int index = along.First; index < along.Count; ++index) {
        const DevicePx size = DeviceSize(axis, index);
        if (pos <= at && pos + size >= at) {
            result = index;
            pos += size;
            break;
        }
        pos += size;
    }
    if (pos < at) result = along.Count - 1;
    return result;
}

// Columns (rows) that end strictly before the client's far edge, at least 1.
int XLGridData::VisibleCount(Axis axis) const {
    const GridAxis& along = Along(axis);
    DevicePx pos = DeviceHeaderSize(axis);
    int index = along.First;
    for (; index < along.Count; ++index) {
        if (pos + DeviceSize(axis, index) >= ClientSize(axis)) break;
        pos += DeviceSize(axis, index);
    }
    return std::max(1, index - along.First);
}

void XLGridData::SetFirst(Axis axis, int index) {
    UpdateScope update(host_);
    Along(axis).First = index;
    UpdateScrollBars();
}

void XLGridData::ScrollTo(Axis axis, int index) {
    const int visible = VisibleCount(axis), first = Along(axis).First;
    if (index < first || index > first + visible - 1)
        SetFirst(axis, std::max(0, std::min(index, Along(axis).Count - visible)));
}

void XLGridData::StepIntoView(Axis axis, int index) {
    while (index > First(axis) + VisibleCount(axis) - 1) SetFirst(axis, First(axis) + 1);
    if (index < First(axis)) SetFirst(axis, First(axis) - 1);
}

GridScrollBar XLGridData::ScrollBar(Axis axis) const {
    return {Along(axis).Count - 1, VisibleCount(axis), Along(axis).First};
}

void XLGridData::UpdateScrollBars() {
    host_.EndEdit(true, true);
    host_.SetScrollBars(ScrollBar(Axis::Rows), ScrollBar(Axis::Cols));
}
