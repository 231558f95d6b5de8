#include "grid/grid_data.h"

#include <algorithm>

void XLGridData::InitCell(GridCell& cell) {
    cell.Grid = this;
    cell.LeftLine = {colors_.LineColor, lineWidths_.Left};
    cell.TopLine = {colors_.LineColor, lineWidths_.Top};
    cell.RightLine = {colors_.LineColor, lineWidths_.Right};
    cell.BottomLine = {colors_.LineColor, lineWidths_.Bottom};
    cell.Padding = defaults_.Padding;
    cell.HAlign = defaults_.HAlign;
    cell.VAlign = defaults_.VAlign;
}

void XLGridData::AddCol() {
    colCaptions_.Add("");
    colWidths_.push_back(defColWidth_);
    for (auto& row : rows_) {
        row.push_back(host_.NewCell());
        InitCell(*row.back());
    }
    ++colCount_;
}

void XLGridData::AddRow() {
    rowCaptions_.Add("");
    rowHeights_.push_back(defRowHeight_);
    auto& row = rows_.emplace_back();
    for (int col = 0; col < colCount_; ++col) {
        row.push_back(host_.NewCell());
        InitCell(*row.back());
    }
    ++rowCount_;
}

void XLGridData::SetColCount(std::uint16_t count) {
    host_.EndEdit(true, true);
    UpdateScope update(host_);
    curCell_.Col = std::min(curCell_.Col, std::max(0, count - 1));
    while (colCount_ < count) AddCol();
    while (colCount_ > count) {
        --colCount_;
        colCaptions_.DeleteLine(colCount_);
        colWidths_.pop_back();
        for (auto& row : rows_) row.pop_back();
    }
    ClipToCounts();
    UpdateScrollBars();
}

void XLGridData::SetRowCount(std::uint16_t count) {
    host_.EndEdit(true, true);
    UpdateScope update(host_);
    curCell_.Row = std::min(curCell_.Row, std::max(0, count - 1));
    while (rowCount_ < count) AddRow();
    while (rowCount_ > count) {
        --rowCount_;
        rowCaptions_.DeleteLine(rowCount_);
        rowHeights_.pop_back();
        rows_.pop_back();
    }
    ClipToCounts();
    UpdateScrollBars();
}

// After a shrink nothing may point past the last column or row: scroll positions, the
// selection and merged areas are cut back to what is left.
void XLGridData::ClipToCounts() {
    leftCol_ = std::min(leftCol_, std::max(0, colCount_ - 1));
    topRow_ = std::min(topRow_, std::max(0, rowCount_ - 1));
    if (selection_.Top != -1) {
        selection_.Right = std::min(selection_.Right, colCount_ - 1);
        selection_.Bottom = std::min(selection_.Bottom, rowCount_ - 1);
        if (selection_.Left > selection_.Right || selection_.Top > selection_.Bottom) selection_ = NoSelection;
    }
    for (int row = 0; row < rowCount_; ++row) {
        for (int col = 0; col < colCount_; ++col) {
            GridCell& cell = *rows_[row][col];
            cell.ColSpan = std::min(cell.ColSpan, colCount_ - 1 - col);
            cell.RowSpan = std::min(cell.RowSpan, rowCount_ - 1 - row);
        }
    }
}

int XLGridData::ColWidth(int col) const {
    return col >= 0 && col < colCount_ ? Scale()(LayoutPx(colWidths_[col])).Value : 0;
}

int XLGridData::RowHeight(int row) const {
    return row >= 0 && row < rowCount_ ? Scale()(LayoutPx(rowHeights_[row])).Value : 0;
}

void XLGridData::SetColWidths(std::span<const int> widths) {
    UpdateScope update(host_);
    std::size_t n = std::min(widths.size(), colWidths_.size());
    std::copy_n(widths.begin(), n, colWidths_.begin());
    UpdateScrollBars();
}

void XLGridData::SetColWidth(int col, int width) {
    if (col < 0 || col >= colCount_) return;
    UpdateScope update(host_);
    colWidths_[col] = width;
    UpdateScrollBars();
}

void XLGridData::SetRowHeight(int row, int height) {
    if (row < 0 || row >= rowCount_) return;
    UpdateScope update(host_);
    rowHeights_[row] = height;
    UpdateScrollBars();
}

GridCell* XLGridData::Cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return nullptr;
    return rows_[row][col].get();
}

void XLGridData::SetColCaption(int col, std::string_view text) {
    if (col < 0 || col >= colCount_) return;
    UpdateScope update(host_);
    colCaptions_.SetLine(col, text);
}

std::string XLGridData::GetColCaption(int col) const { return std::string(colCaptions_.Line(col)); }

void XLGridData::SetRowCaption(int row, std::string_view text) {
    if (row < 0 || row >= rowCount_) return;
    UpdateScope update(host_);
    rowCaptions_.SetLine(row, text);
}

std::string XLGridData::GetRowCaption(int row) const { return std::string(rowCaptions_.Line(row)); }

void XLGridData::SetRowHeaderWidth(int width) {
    UpdateScope update(host_);
    rowHeaderWidth_ = width;
}

void XLGridData::SetColHeaderHeight(int height) {
    UpdateScope update(host_);
    colHeaderHeight_ = height;
}

void XLGridData::SetColors(const GridColors& colors) {
    UpdateScope update(host_);
    colors_ = colors;
}

void XLGridData::SetLeftLineWidth(int width) {
    UpdateScope update(host_);
    lineWidths_.Left = width;
    ForEachCell(AllCells(), [width](GridCell& cell) { cell.LeftLine.Width = width; });
}

void XLGridData::SetTopLineWidth(int width) {
    UpdateScope update(host_);
    lineWidths_.Top = width;
    ForEachCell(AllCells(), [width](GridCell& cell) { cell.TopLine.Width = width; });
}

void XLGridData::SetRightLineWidth(int width) {
    UpdateScope update(host_);
    lineWidths_.Right = width;
    ForEachCell(AllCells(), [width](GridCell& cell) { cell.RightLine.Width = width; });
}

void XLGridData::SetBottomLineWidth(int width) {
    UpdateScope update(host_);
    lineWidths_.Bottom = width;
    ForEachCell(AllCells(), [width](GridCell& cell) { cell.BottomLine.Width = width; });
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
    if (colCount_ == 0 || rowCount_ == 0) return;
    GridRect merged = GrowToMergedAreas(ClampRange(area));
    UpdateScope update(host_);
    for (int row = merged.Top; row <= merged.Bottom; ++row) {
        for (int col = merged.Left; col <= merged.Right; ++col) {
            GridCell& cell = *rows_[row][col];
            cell.ColSpan = cell.RowSpan = 0;
            cell.MasterOffset = {col - merged.Left, row - merged.Top};
        }
    }
    GridCell& master = *rows_[merged.Top][merged.Left];
    master.ColSpan = merged.Right - merged.Left;
    master.RowSpan = merged.Bottom - merged.Top;
    // The current cell is always a master.
    if (MasterOf(curCell_) != curCell_) SetCurCell(curCell_);
}
