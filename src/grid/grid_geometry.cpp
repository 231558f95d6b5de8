#include <algorithm>

#include "grid/grid_data.h"

int XLGridData::SumWidths(int from, int to) const {
    int sum = 0;
    for (int col = from; col <= to; ++col) sum += ColWidth(col);
    return sum;
}

int XLGridData::SumHeights(int from, int to) const {
    int sum = 0;
    for (int row = from; row <= to; ++row) sum += RowHeight(row);
    return sum;
}

// Cells scrolled out of view get coordinates left of or above the header strips.
GridRect XLGridData::CellRect(int col, int row) const {
    const GridCell* cell = Cell(col, row);
    if (!cell) return {RowHeaderWidth(), ColHeaderHeight(), RowHeaderWidth(), ColHeaderHeight()};
    int top = ColHeaderHeight() + (row >= topRow_ ? SumHeights(topRow_, row - 1) : -SumHeights(row, topRow_ - 1));
    int left = RowHeaderWidth() + (col >= leftCol_ ? SumWidths(leftCol_, col - 1) : -SumWidths(col, leftCol_ - 1));
    return {left, top, left + SumWidths(col, col + cell->ColSpan), top + SumHeights(row, row + cell->RowSpan)};
}

// The shared edge pixel belongs to the column left of it; a point right of the last column
// gives the last column, one left of the first shown column -1.
int XLGridData::ColAtX(int x) const {
    int pos = RowHeaderWidth();
    int result = -1;
    for (int col = leftCol_; col < colCount_; ++col) {
        int width = ColWidth(col);
        if (pos <= x && pos + width >= x) {
            result = col;
            pos += width;
            break;
        }
        pos += width;
    }
    if (pos < x) result = colCount_ - 1;
    return result;
}

int XLGridData::RowAtY(int y) const {
    int pos = ColHeaderHeight();
    int result = -1;
    for (int row = topRow_; row < rowCount_; ++row) {
        int height = RowHeight(row);
        if (pos <= y && pos + height >= y) {
            result = row;
            pos += height;
            break;
        }
        pos += height;
    }
    if (pos < y) result = rowCount_ - 1;
    return result;
}

// Columns that end strictly left of the client's right edge, at least 1.
int XLGridData::VisibleColCount() const {
    int x = RowHeaderWidth();
    int col = leftCol_;
    for (; col < colCount_; ++col) {
        if (x + ColWidth(col) >= host_.ClientWidth()) break;
        x += ColWidth(col);
    }
    return std::max(1, col - leftCol_);
}

int XLGridData::VisibleRowCount() const {
    int y = ColHeaderHeight();
    int row = topRow_;
    for (; row < rowCount_; ++row) {
        if (y + RowHeight(row) >= host_.ClientHeight()) break;
        y += RowHeight(row);
    }
    return std::max(1, row - topRow_);
}

void XLGridData::SetTopRow(int row) {
    UpdateScope update(host_);
    topRow_ = row;
    UpdateScrollBars();
}

void XLGridData::SetLeftCol(int col) {
    UpdateScope update(host_);
    leftCol_ = col;
    UpdateScrollBars();
}

void XLGridData::ScrollToCol(int col) {
    int visible = VisibleColCount();
    if (col < leftCol_ || col > leftCol_ + visible - 1) SetLeftCol(std::max(0, std::min(col, colCount_ - visible)));
}

void XLGridData::ScrollToRow(int row) {
    int visible = VisibleRowCount();
    if (row < topRow_ || row > topRow_ + visible - 1) SetTopRow(std::max(0, std::min(row, rowCount_ - visible)));
}

void XLGridData::UpdateScrollBars() {
    host_.EndEdit(true, true);
    host_.SetScrollBars({rowCount_ - 1, VisibleRowCount(), topRow_}, {colCount_ - 1, VisibleColCount(), leftCol_});
}
