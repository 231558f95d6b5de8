#include <algorithm>

#include "grid/grid_data.h"

// Ctrl changes the meaning of the arrows, Home and End; Page keys don't take Ctrl.
std::optional<XLGridData::Move> XLGridData::MoveOf(NavKey key, bool ctrl) {
    switch (key) {
    case NavKey::Left: return ctrl ? Move::RowStart : Move::Left;
    case NavKey::Right: return ctrl ? Move::RowEnd : Move::Right;
    case NavKey::Up: return ctrl ? Move::ColTop : Move::Up;
    case NavKey::Down: return ctrl ? Move::ColBottom : Move::Down;
    case NavKey::PageUp: return ctrl ? std::nullopt : std::optional(Move::PageUp);
    case NavKey::PageDown: return ctrl ? std::nullopt : std::optional(Move::PageDown);
    case NavKey::Home: return ctrl ? Move::GridStart : Move::RowStart;
    case NavKey::End: return ctrl ? Move::GridEnd : Move::RowEnd;
    }
    return std::nullopt;
}

namespace {

GridRect Ordered(GridRect r) {
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    return r;
}

}  // namespace

void XLGridData::NavigateKey(NavKey key, bool ctrl, bool shift) {
    // An empty grid has no cell a key could touch.
    if (colCount_ == 0 || rowCount_ == 0) return;
    std::optional<Move> move = MoveOf(key, ctrl);
    if (!move) return;
    UpdateScope update(host_);
    SetAllSelected(false);
    ScrollBefore(*move, VisibleColCount(), VisibleRowCount());
    if (shift && HasOption(RangeSelect))
        MoveSelectionEdge(*move);
    else
        MoveCurCell(*move);
    if (key == NavKey::PageUp || key == NavKey::PageDown || key == NavKey::Home || key == NavKey::End)
        UpdateScrollBars();
}

void XLGridData::ScrollBefore(Move move, int visibleCols, int visibleRows) {
    const int lastLeftCol = std::max(0, colCount_ - visibleCols);
    const int lastTopRow = std::max(0, rowCount_ - visibleRows);
    switch (move) {
    case Move::PageUp: SetTopRow(std::max(0, topRow_ - visibleRows + 1)); break;
    case Move::PageDown: SetTopRow(std::clamp(topRow_ + visibleRows - 1, 0, lastTopRow)); break;
    case Move::RowStart: SetLeftCol(0); break;
    case Move::RowEnd: SetLeftCol(lastLeftCol); break;
    case Move::ColTop: SetTopRow(0); break;
    case Move::ColBottom: SetTopRow(lastTopRow); break;
    case Move::GridStart:
        SetLeftCol(0);
        SetTopRow(0);
        break;
    case Move::GridEnd:
        SetLeftCol(lastLeftCol);
        SetTopRow(lastTopRow);
        break;
    default: break;
    }
}

void XLGridData::MoveCurCell(Move move) {
    const auto [col, row] = curCell_;
    const int lastCol = colCount_ - 1, lastRow = rowCount_ - 1;
    // A step leaves the whole merged area the current cell covers.
    auto [left, right] = ExpandColRange(row, row, col);
    auto [top, bottom] = ExpandRowRange(col, col, row);
    const int page = VisibleRowCount() - 1;
    GridPoint target = curCell_;
    switch (move) {
    case Move::Left: target = {std::max(0, left - 1), row}; break;
    case Move::Right: target = {std::min(lastCol, right + 1), row}; break;
    case Move::Up: target = {col, std::max(0, top - 1)}; break;
    case Move::Down: target = {col, std::min(lastRow, bottom + 1)}; break;
    case Move::PageUp: target = {col, std::max(0, row - page)}; break;
    case Move::PageDown: target = {col, std::min(lastRow, row + page)}; break;
    case Move::RowStart: target = {0, row}; break;
    case Move::RowEnd: target = {lastCol, row}; break;
    case Move::ColTop: target = {col, 0}; break;
    case Move::ColBottom: target = {col, lastRow}; break;
    case Move::GridStart: target = {0, 0}; break;
    case Move::GridEnd: target = {lastCol, lastRow}; break;
    }
    SetCurCell(target);
}

// With Shift the current cell stays the fixed corner and the selection's far edge moves.
void XLGridData::MoveSelectionEdge(Move move) {
    const GridRect cur = MasterArea(curCell_);
    GridRect sel = selection_.Top == -1 ? cur : selection_;
    const int lastCol = colCount_ - 1, lastRow = rowCount_ - 1;
    const int page = VisibleRowCount() - 1;
    switch (move) {
    case Move::Left:
        if (sel.Right == cur.Right)
            sel.Left = std::max(0, ExpandColRange(sel.Top, sel.Bottom, sel.Left).first - 1);
        else
            sel.Right = std::max(cur.Right, ExpandColRange(sel.Top, sel.Bottom, sel.Right).first - 1);
        SelectRange(sel);
        ScrollToCol(sel.Right == cur.Right ? sel.Left : sel.Right);
        return;
    case Move::Right:
        if (sel.Left == cur.Left)
            sel.Right = std::min(lastCol, ExpandColRange(sel.Top, sel.Bottom, sel.Right).second + 1);
        else
            sel.Left = std::min(cur.Left, ExpandColRange(sel.Top, sel.Bottom, sel.Left).second + 1);
        SelectRange(sel);
        ScrollToCol(sel.Left == cur.Left ? sel.Right : sel.Left);
        return;
    case Move::Up:
        if (sel.Bottom == cur.Bottom)
            sel.Top = std::max(0, ExpandRowRange(sel.Left, sel.Right, sel.Top).first - 1);
        else
            sel.Bottom = std::max(cur.Bottom, ExpandRowRange(sel.Left, sel.Right, sel.Bottom).first - 1);
        SelectRange(sel);
        ScrollToRow(sel.Bottom == cur.Bottom ? sel.Top : sel.Bottom);
        return;
    case Move::Down:
        if (sel.Top == cur.Top)
            sel.Bottom = std::min(lastRow, ExpandRowRange(sel.Left, sel.Right, sel.Bottom).second + 1);
        else
            sel.Top = std::min(cur.Top, ExpandRowRange(sel.Left, sel.Right, sel.Top).second + 1);
        SelectRange(sel);
        ScrollToRow(sel.Top == cur.Top ? sel.Bottom : sel.Top);
        return;
    case Move::PageUp: {
        bool topMoves = sel.Bottom == cur.Bottom;
        int& edge = topMoves ? sel.Top : sel.Bottom;
        edge = std::max(0, edge - page);
        int moved = edge;
        SelectRange(Ordered(sel));
        ScrollToRow(moved);
        return;
    }
    case Move::PageDown: {
        bool bottomMoves = sel.Top == cur.Top;
        int& edge = bottomMoves ? sel.Bottom : sel.Top;
        edge = std::min(lastRow, edge + page);
        int moved = edge;
        SelectRange(Ordered(sel));
        ScrollToRow(moved);
        return;
    }
    case Move::RowStart: SelectRange({0, sel.Top, curCell_.Col, sel.Bottom}); return;
    case Move::RowEnd: SelectRange({curCell_.Col, sel.Top, lastCol, sel.Bottom}); return;
    case Move::ColTop: SelectRange({sel.Left, 0, sel.Right, curCell_.Row}); return;
    case Move::ColBottom: SelectRange({sel.Left, curCell_.Row, sel.Right, lastRow}); return;
    case Move::GridStart: SelectRange({0, 0, curCell_.Col, curCell_.Row}); return;
    case Move::GridEnd: SelectRange({curCell_.Col, curCell_.Row, lastCol, lastRow}); return;
    }
}

void XLGridData::Scroll(ScrollAxis axis, ScrollRequest request, int thumb) {
    const bool rows = axis == ScrollAxis::Rows;
    const int count = rows ? rowCount_ : colCount_;
    const int page = rows ? VisibleRowCount() : VisibleColCount();
    const int pos = rows ? topRow_ : leftCol_;
    const int last = count - page;
    int next = pos;
    switch (request) {
    case ScrollRequest::LineUp: next = std::max(0, pos - 1); break;
    case ScrollRequest::LineDown: next = std::min(last, pos + 1); break;
    case ScrollRequest::PageUp: next = std::max(0, pos - page + 1); break;
    case ScrollRequest::PageDown: next = std::min(last, pos + page - 1); break;
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack: next = std::max(0, std::min(last, thumb)); break;
    case ScrollRequest::Top: next = 0; break;
    case ScrollRequest::Bottom: next = last; break;
    }
    next = std::max(0, next);  // an empty grid has a last position below 0
    UpdateScope update(host_);
    if (rows)
        SetTopRow(next);
    else
        SetLeftCol(next);
}

void XLGridData::Wheel(int delta, bool ctrl) {
    host_.EndEdit(true, true);
    int steps = delta / 120;
    if (ctrl) steps *= VisibleRowCount() - 1;
    SetTopRow(std::max(0, std::min(rowCount_ - VisibleRowCount(), std::max(0, topRow_ - steps))));
}

void XLGridData::MouseDown(int x, int y, bool ctrl) {
    if (colCount_ == 0 || rowCount_ == 0) return;
    UpdateScope update(host_);
    anchor_ = NoAnchor;
    const bool inRowHeader = x <= RowHeaderWidth();
    const bool inCaptionRow = y <= ColHeaderHeight();
    if (HasOption(RangeSelect)) {
        allSelected_ = false;
        if (inRowHeader && inCaptionRow) {
            host_.EndEdit(true, false);
            allSelected_ = true;
            SetAllSelected(true);
            SetCurCell({leftCol_, topRow_});
            SelectRange(AllCells());
            return;
        }
    }
    const bool rowHeaderClick = inRowHeader && !inCaptionRow && HasOption(RowHeaderSelect);
    const bool captionClick = !inRowHeader && inCaptionRow && HasOption(ColHeaderSelect);
    if (rowHeaderClick || captionClick) {
        host_.EndEdit(true, false);
        selection_ = NoSelection;
        if (!ctrl) SetAllSelected(false);
        headerDrag_ = rowHeaderClick ? HeaderDrag::Rows : HeaderDrag::Cols;
        return;
    }
    if (inRowHeader || inCaptionRow) return;
    selection_ = NoSelection;
    if (!(ctrl && HasOption(RangeSelect))) SetAllSelected(false);
    anchor_ = HitTest(x, y);
    SetCurCell(anchor_);
    anchor_ = curCell_;
}

// Dragging out of the cells scrolls one step per mouse message.
void XLGridData::MouseMove(int x, int y) {
    if (!Dragging()) return;
    UpdateScope update(host_);
    auto [col, row] = HitTest(x, y);
    const bool scrollCols = headerDrag_ != HeaderDrag::Rows;
    const bool scrollRows = headerDrag_ != HeaderDrag::Cols;
    if (scrollCols) {
        int visible = VisibleColCount();
        if (col > leftCol_ + visible - 1) SetLeftCol(col - visible + 1);
        if (col < 0) {
            SetLeftCol(std::max(0, leftCol_ - 1));
            col = leftCol_;
        }
    }
    if (scrollRows) {
        int visible = VisibleRowCount();
        if (row > topRow_ + visible - 1) SetTopRow(row - visible + 1);
        if (row < 0) {
            SetTopRow(std::max(0, topRow_ - 1));
            row = topRow_;
        }
    }
    if (headerDrag_ != HeaderDrag::None) return;
    if (HasOption(RangeSelect)) {
        GridRect range = Ordered({anchor_.Col, anchor_.Row, col, row});
        if (range != selection_) SelectRange(range);
    } else if (MasterOf({col, row}) != curCell_) {
        SetCurCell({col, row});
    }
    UpdateScrollBars();
}

void XLGridData::MouseUp() {
    headerDrag_ = HeaderDrag::None;
    anchor_ = NoAnchor;
}

bool XLGridData::HitsCurCell(int x, int y) const {
    GridPoint hit = HitTest(x, y);
    return Cell(hit.Col, hit.Row) && MasterOf(hit) == curCell_;
}
