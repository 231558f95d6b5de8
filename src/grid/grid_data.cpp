#include "grid/grid_data.h"

#include <algorithm>

void XLGridData::InitCell(GridCell& cell) {
    cell.Grid = this;
    for (Side side : kSides) cell.Lines[side] = {colors_.LineColor, lineWidths_[side]};
    cell.Padding = defaults_.Padding;
    cell.HAlign = defaults_.HAlign;
    cell.VAlign = defaults_.VAlign;
}

void XLGridData::AddCell(std::vector<std::unique_ptr<GridCell>>& row) {
    row.push_back(host_.NewCell());
    InitCell(*row.back());
}

// Cells are kept row by row: a column is a cell more in every row, a row a new vector.
void XLGridData::AddLine(Axis axis) {
    GridAxis& along = Along(axis);
    along.Captions.Add("");
    along.Sizes.push_back(along.DefaultSize);
    if (axis == Axis::Cols) {
        for (auto& row : cells_) AddCell(row);
    } else {
        auto& row = cells_.emplace_back();
        for (int col = 0; col < cols_.Count; ++col) AddCell(row);
    }
    ++along.Count;
}

void XLGridData::RemoveLastLine(Axis axis) {
    GridAxis& along = Along(axis);
    --along.Count;
    along.Captions.DeleteLine(along.Count);
    along.Sizes.pop_back();
    if (axis == Axis::Cols) {
        for (auto& row : cells_) row.pop_back();
    } else {
        cells_.pop_back();
    }
}

void XLGridData::SetCount(Axis axis, std::uint16_t count) {
    host_.EndEdit(true, true);
    UpdateScope update(host_);
    int& current = IndexOn(curCell_, axis);
    current = std::min(current, std::max(0, count - 1));
    while (Along(axis).Count < count) AddLine(axis);
    while (Along(axis).Count > count) RemoveLastLine(axis);
    ClipToCounts();
    UpdateScrollBars();
}

// After a shrink nothing may point past the last column or row: scroll positions, the
// selection and merged areas are cut back to what is left.
void XLGridData::ClipToCounts() {
    const bool selected = selection_.Top != -1;
    for (Axis axis : kAxes) {
        GridAxis& along = Along(axis);
        along.First = std::min(along.First, std::max(0, along.Count - 1));
        if (selected) LastOn(selection_, axis) = std::min(LastOn(selection_, axis), along.Count - 1);
    }
    if (selected && (selection_.Left > selection_.Right || selection_.Top > selection_.Bottom))
        selection_ = NoSelection;
    for (int row = 0; row < rows_.Count; ++row) {
        for (int col = 0; col < cols_.Count; ++col) {
            GridCell& cell = *cells_[row][col];
            cell.ColSpan = std::min(cell.ColSpan, cols_.Count - 1 - col);
            cell.RowSpan = std::min(cell.RowSpan, rows_.Count - 1 - row);
        }
    }
}

LayoutPx XLGridData::Size(Axis axis, int index) const {
    const GridAxis& along = Along(axis);
    return index >= 0 && index < along.Count ? along.Sizes[index] : 0_lpx;
}

void XLGridData::SetSize(Axis axis, int index, LayoutPx size) {
    GridAxis& along = Along(axis);
    if (index < 0 || index >= along.Count) return;
    UpdateScope update(host_);
    along.Sizes[index] = size;
    UpdateScrollBars();
}

void XLGridData::SetColWidths(std::span<const LayoutPx> widths) {
    UpdateScope update(host_);
    std::copy_n(widths.begin(), std::min(widths.size(), cols_.Sizes.size()), cols_.Sizes.begin());
    UpdateScrollBars();
}

GridCell* XLGridData::Cell(int col, int row) const {
    if (col < 0 || col >= cols_.Count || row < 0 || row >= rows_.Count) return nullptr;
    return cells_[row][col].get();
}

void XLGridData::SetCaption(Axis axis, int index, std::string_view text) {
    GridAxis& along = Along(axis);
    if (index < 0 || index >= along.Count) return;
    UpdateScope update(host_);
    along.Captions.SetLine(index, text);
}

void XLGridData::SetHeaderSize(Axis axis, LayoutPx size) {
    UpdateScope update(host_);
    Along(axis).HeaderSize = size;
}

void XLGridData::SetColors(const GridColors& colors) {
    UpdateScope update(host_);
    colors_ = colors;
}

void XLGridData::SetLineWidth(Side side, LayoutPx width) {
    UpdateScope update(host_);
    lineWidths_[side] = width;
    ForEachCell(AllCells(), [side, width](GridCell& cell) { cell.Lines[side].Width = width; });
}

void XLGridData::SetHighlightSelection(std::uint8_t highlight) {
    UpdateScope update(host_);
    highlight_ = highlight;
}

void XLGridData::SetOptions(std::uint8_t options) {
    if (!(options & RangeSelect)) {
        allSelected_ = false;
        SetAllSelected(false);
        SetCurCell(curCell_);
    }
    options_ = options;
}

void XLGridData::MergeCells(const GridRect& area) {
    if (cols_.Count == 0 || rows_.Count == 0) return;
    GridRect merged = GrowToMergedAreas(ClampRange(area));
    UpdateScope update(host_);
    for (int row = merged.Top; row <= merged.Bottom; ++row) {
        for (int col = merged.Left; col <= merged.Right; ++col) {
            GridCell& cell = *cells_[row][col];
            cell.ColSpan = cell.RowSpan = 0;
            cell.MasterOffset = {col - merged.Left, row - merged.Top};
        }
    }
    GridCell& master = *cells_[merged.Top][merged.Left];
    master.ColSpan = merged.Right - merged.Left;
    master.RowSpan = merged.Bottom - merged.Top;
    // The current cell is always a master.
    if (MasterOf(curCell_) != curCell_) SetCurCell(curCell_);
}
