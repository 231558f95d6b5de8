#include "grid/grid_data.h"

#include <algorithm>

void XLGridData::InitCell(GridCell& cell) {
    cell.Grid = this;
    for (Side side : kSides) cell.Lines[side] = {colors_.LineColor, lineWidths_[side]};
    cell.Padding = defaults_.Padding;
    cell.HAlign = defaults_.HAlign;
    cell.VAlign = defaults_.VAlign;
}

void XLGridData::AddCol() {
    cols_.Captions.Add("");
    cols_.Sizes.push_back(cols_.DefaultSize);
    for (auto& row : cells_) {
        row.push_back(host_.NewCell());
        InitCell(*row.back());
    }
    ++cols_.Count;
}

void XLGridData::AddRow() {
    rows_.Captions.Add("");
    rows_.Sizes.push_back(rows_.DefaultSize);
    auto& row = cells_.emplace_back();
    for (int col = 0; col < cols_.Count; ++col) {
        row.push_back(host_.NewCell());
        InitCell(*row.back());
    }
    ++rows_.Count;
}

void XLGridData::SetColCount(std::uint16_t count) {
    host_.EndEdit(true, true);
    UpdateScope update(host_);
    curCell_.Col = std::min(curCell_.Col, std::max(0, count - 1));
    while (cols_.Count < count) AddCol();
    while (cols_.Count > count) {
        --cols_.Count;
        cols_.Captions.DeleteLine(cols_.Count);
        cols_.Sizes.pop_back();
        for (auto& row : cells_) row.pop_back();
    }
    ClipToCounts();
    UpdateScrollBars();
}

void XLGridData::SetRowCount(std::uint16_t count) {
    host_.EndEdit(true, true);
    UpdateScope update(host_);
    curCell_.Row = std::min(curCell_.Row, std::max(0, count - 1));
    while (rows_.Count < count) AddRow();
    while (rows_.Count > count) {
        --rows_.Count;
        rows_.Captions.DeleteLine(rows_.Count);
        rows_.Sizes.pop_back();
        cells_.pop_back();
    }
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
