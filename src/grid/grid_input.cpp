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

// A step moves the selection's leading edge outward while the selection reaches no further
// back than the current cell; otherwise its trailing edge comes back towards the cell.
bool MovesOutward(const GridRect& sel, const GridRect& cur, Axis axis, int step) {
    return TrailingOn(sel, axis, step) == TrailingOn(cur, axis, step);
}

int& MovingEdge(GridRect& sel, const GridRect& cur, Axis axis, int step) {
    return MovesOutward(sel, cur, axis, step) ? LeadingOn(sel, axis, step) : TrailingOn(sel, axis, step);
}

}  // namespace

void XLGridData::NavigateKey(NavKey key, bool ctrl, bool shift) {
    // An empty grid has no cell a key could touch.
    if (ColCount() == 0 || RowCount() == 0) return;
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
    const int lastLeftCol = std::max(0, ColCount() - visibleCols);
    const int lastTopRow = std::max(0, RowCount() - visibleRows);
    switch (move) {
    case Move::PageUp: SetTopRow(std::max(0, TopRow() - visibleRows + 1)); break;
    case Move::PageDown: SetTopRow(std::clamp(TopRow() + visibleRows - 1, 0, lastTopRow)); break;
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

GridPoint XLGridData::Neighbour(Axis axis, int step) const {
    const int across = IndexOn(curCell_, Across(axis));
    const auto [lo, hi] = ExpandRange(axis, across, across, IndexOn(curCell_, axis));
    GridPoint neighbour = curCell_;
    IndexOn(neighbour, axis) = step < 0 ? std::max(0, lo - 1) : std::min(Along(axis).Count - 1, hi + 1);
    return neighbour;
}

// A step leaves the whole merged area the current cell covers.
void XLGridData::MoveCurCell(Move move) {
    const auto [col, row] = curCell_;
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    const int page = VisibleRowCount() - 1;
    GridPoint target = curCell_;
    switch (move) {
    case Move::Left: target = Neighbour(Axis::Cols, -1); break;
    case Move::Right: target = Neighbour(Axis::Cols, +1); break;
    case Move::Up: target = Neighbour(Axis::Rows, -1); break;
    case Move::Down: target = Neighbour(Axis::Rows, +1); break;
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
    const GridRect sel = selection_.Top == -1 ? MasterArea(curCell_) : selection_;
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    switch (move) {
    case Move::Left: return StepSelectionEdge(Axis::Cols, -1);
    case Move::Right: return StepSelectionEdge(Axis::Cols, +1);
    case Move::Up: return StepSelectionEdge(Axis::Rows, -1);
    case Move::Down: return StepSelectionEdge(Axis::Rows, +1);
    case Move::PageUp: return PageSelectionEdge(-1);
    case Move::PageDown: return PageSelectionEdge(+1);
    case Move::RowStart: return SelectRange({0, sel.Top, curCell_.Col, sel.Bottom});
    case Move::RowEnd: return SelectRange({curCell_.Col, sel.Top, lastCol, sel.Bottom});
    case Move::ColTop: return SelectRange({sel.Left, 0, sel.Right, curCell_.Row});
    case Move::ColBottom: return SelectRange({sel.Left, curCell_.Row, sel.Right, lastRow});
    case Move::GridStart: return SelectRange({0, 0, curCell_.Col, curCell_.Row});
    case Move::GridEnd: return SelectRange({curCell_.Col, curCell_.Row, lastCol, lastRow});
    }
}

// An arrow moves the edge over whole merged areas, outward as far as the grid goes, back
// no further than the current cell; then the edge that moves next is scrolled into view.
void XLGridData::StepSelectionEdge(Axis axis, int step) {
    const GridRect cur = MasterArea(curCell_);
    GridRect sel = selection_.Top == -1 ? cur : selection_;
    const bool outward = MovesOutward(sel, cur, axis, step);
    int& edge = MovingEdge(sel, cur, axis, step);
    const auto [lo, hi] = ExpandRange(axis, FirstOn(sel, Across(axis)), LastOn(sel, Across(axis)), edge);
    const int bound = outward ? (step < 0 ? 0 : Along(axis).Count - 1) : TrailingOn(cur, axis, step);
    const int next = (step < 0 ? lo : hi) + step;
    edge = step < 0 ? std::max(bound, next) : std::min(bound, next);
    SelectRange(sel);
    ScrollTo(axis, MovingEdge(sel, cur, axis, step));
}

// A page key moves the edge a page of rows, and may take it past the current cell.
void XLGridData::PageSelectionEdge(int step) {
    const GridRect cur = MasterArea(curCell_);
    GridRect sel = selection_.Top == -1 ? cur : selection_;
    int& edge = MovingEdge(sel, cur, Axis::Rows, step);
    edge = std::clamp(edge + step * (VisibleRowCount() - 1), 0, RowCount() - 1);
    const int moved = edge;
    SelectRange(Ordered(sel));
    ScrollTo(Axis::Rows, moved);
}

void XLGridData::Scroll(Axis axis, ScrollRequest request, int thumb) {
    const int page = VisibleCount(axis);
    const int pos = First(axis);
    const int last = Along(axis).Count - page;
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
    SetFirst(axis, next);
}

void XLGridData::Wheel(int delta, bool ctrl) {
    host_.EndEdit(true, true);
    int steps = delta / 120;
    if (ctrl) steps *= VisibleRowCount() - 1;
    SetTopRow(std::max(0, std::min(RowCount() - VisibleRowCount(), std::max(0, TopRow() - steps))));
}

void XLGridData::MouseDown(DevicePoint point, bool ctrl) {
    if (ColCount() == 0 || RowCount() == 0) return;
    UpdateScope update(host_);
    anchor_ = NoAnchor;
    const bool inRowHeader = point.X <= DeviceHeaderSize(Axis::Cols);
    const bool inCaptionRow = point.Y <= DeviceHeaderSize(Axis::Rows);
    if (HasOption(RangeSelect)) {
        allSelected_ = false;
        if (inRowHeader && inCaptionRow) {
            host_.EndEdit(true, false);
            allSelected_ = true;
            SetAllSelected(true);
            SetCurCell({LeftCol(), TopRow()});
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
        headerDrag_ = rowHeaderClick ? Axis::Rows : Axis::Cols;
        return;
    }
    if (inRowHeader || inCaptionRow) return;
    selection_ = NoSelection;
    if (!(ctrl && HasOption(RangeSelect))) SetAllSelected(false);
    anchor_ = HitTest(point);
    SetCurCell(anchor_);
    anchor_ = curCell_;
}

// Dragging out of the cells scrolls one step per mouse message.
void XLGridData::MouseMove(DevicePoint point) {
    if (!Dragging()) return;
    UpdateScope update(host_);
    GridPoint hit = HitTest(point);
    for (Axis axis : kAxes) {
        if (headerDrag_ && *headerDrag_ != axis) continue;
        int& index = IndexOn(hit, axis);
        const int visible = VisibleCount(axis);
        if (index > First(axis) + visible - 1) SetFirst(axis, index - visible + 1);
        if (index < 0) {
            SetFirst(axis, std::max(0, First(axis) - 1));
            index = First(axis);
        }
    }
    if (headerDrag_) return;
    if (HasOption(RangeSelect)) {
        GridRect range = Ordered({anchor_.Col, anchor_.Row, hit.Col, hit.Row});
        if (range != selection_) SelectRange(range);
    } else if (MasterOf(hit) != curCell_) {
        SetCurCell(hit);
    }
    UpdateScrollBars();
}

void XLGridData::MouseUp() {
    headerDrag_.reset();
    anchor_ = NoAnchor;
}

bool XLGridData::HitsCurCell(DevicePoint point) const {
    const GridPoint hit = HitTest(point);
    return Cell(hit.Col, hit.Row) && MasterOf(hit) == curCell_;
}
