#include "grid/grid_table_object.h"

#include <exception>
#include <vector>

#include "grid/grid_accessible.h"
#include "grid/grid_layout.h"
#include "grid/xl_grid.h"
#include "toolkit/accessibility.h"
#include "toolkit/child_enumerator.h"
#include "toolkit/device_rect.h"

namespace {

constexpr const char* kEditAction = "Изменить";

// The cell's rectangle in the grid's client pixels: the one place that asks the geometry.
RECT CellOnClient(const XLGrid& grid, GridPoint cell) {
    return ToRect(grid.CellRect(cell.Col, cell.Row));
}

// A cell scrolled out of view leaves the part of the client area below the captions and
// right of the row headers.
bool InView(const XLGrid& grid, GridPoint cell) {
    const RECT shown{grid.DeviceHeaderSize(Axis::Cols).Value, grid.DeviceHeaderSize(Axis::Rows).Value,
                     grid.AsControl().ClientWidth().Value, grid.AsControl().ClientHeight().Value};
    const RECT rect = CellOnClient(grid, cell);
    RECT common;
    return IntersectRect(&common, &rect, &shown) != FALSE;
}

// A grid in a disabled group can't be used either.
bool Usable(HWND window) {
    for (; window; window = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr)
        if (!IsWindowEnabled(window)) return false;
    return true;
}

// A cell is editable when its owner would lend an editor for it; asking opens nothing.
bool OwnerLendsEditor(XLGrid& grid, GridPoint cell) {
    Control* editor = nullptr;
    EditBox* editFocus = nullptr;
    LayoutSides margins;
    grid.OnBeginEdit(grid, cell.Col, cell.Row, editor, editFocus, margins);
    return editor && (editFocus || dynamic_cast<EditBox*>(editor));
}

// No exception may unwind into the reader's call.
template <class Answer>
HRESULT Guarded(Answer answer) {
    try {
        return answer();
    } catch (const std::exception&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace

LONG CellChildId(const XLGrid& grid, GridPoint cell) { return cell.Row * grid.ColCount() + cell.Col + 1; }

std::optional<GridPoint> GridTableObject::CellOfId(LONG id) const {
    if (!grid_ || id < 1 || id > grid_->ColCount() * grid_->RowCount()) return std::nullopt;
    return GridPoint{(id - 1) % grid_->ColCount(), (id - 1) / grid_->ColCount()};
}

std::optional<GridPoint> GridTableObject::CellOf(const VARIANT& child) const {
    if (child.vt != VT_I4) return std::nullopt;
    return CellOfId(child.lVal);
}

bool GridTableObject::CanEdit(GridPoint cell) const {
    return Usable(grid_->AsControl().Window()) && OwnerLendsEditor(*grid_, cell);
}

LONG GridTableObject::State(GridPoint cell) const {
    LONG state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (!Usable(grid_->AsControl().Window())) state |= STATE_SYSTEM_UNAVAILABLE;
    if (grid_->IsSelected(cell.Col, cell.Row)) state |= STATE_SYSTEM_SELECTED;
    if (cell == grid_->GetCurCell() && grid_->AsControl().HasFocus()) state |= STATE_SYSTEM_FOCUSED;
    if (!OwnerLendsEditor(*grid_, cell)) state |= STATE_SYSTEM_READONLY;
    if (!InView(*grid_, cell)) state |= STATE_SYSTEM_OFFSCREEN;
    return state;
}

HRESULT GridTableObject::get_accChildCount(LONG* count) {
    if (!grid_) return StandardAccessible::get_accChildCount(count);
    *count = grid_->ColCount() * grid_->RowCount();
    return S_OK;
}

// Cells are simple elements: they have no object of their own.
HRESULT GridTableObject::get_accChild(VARIANT child, IDispatch** object) {
    *object = nullptr;
    return CellOf(child) ? S_FALSE : E_INVALIDARG;
}

// The table is named by its window text.
HRESULT GridTableObject::get_accName(VARIANT child, BSTR* name) {
    const auto cell = CellOf(child);
    if (!grid_ || (!cell && !IsSelf(child))) return StandardAccessible::get_accName(child, name);
    return Guarded([&] { return ReturnText(cell ? CellName(*grid_, *cell) : grid_->AsControl().Text(), name); });
}

HRESULT GridTableObject::get_accValue(VARIANT child, BSTR* value) {
    const auto cell = CellOf(child);
    if (!cell) return StandardAccessible::get_accValue(child, value);
    return ReturnText(grid_->Cell(cell->Col, cell->Row)->Text, value);
}

HRESULT GridTableObject::get_accRole(VARIANT child, VARIANT* role) {
    if (IsSelf(child)) return ReturnChild(ROLE_SYSTEM_TABLE, role);
    if (!CellOf(child)) return E_INVALIDARG;
    return ReturnChild(ROLE_SYSTEM_CELL, role);
}

HRESULT GridTableObject::get_accState(VARIANT child, VARIANT* state) {
    const auto cell = CellOf(child);
    if (!cell) return StandardAccessible::get_accState(child, state);
    return ReturnChild(State(*cell), state);
}

// With the grid focused, the focus is on its current cell.
HRESULT GridTableObject::get_accFocus(VARIANT* child) {
    if (!grid_ || !grid_->AsControl().HasFocus()) return StandardAccessible::get_accFocus(child);
    return ReturnChild(CellChildId(*grid_, grid_->GetCurCell()), child);
}

HRESULT GridTableObject::get_accSelection(VARIANT* children) {
    if (!grid_) return StandardAccessible::get_accSelection(children);
    return Guarded([&] {
        std::vector<LONG> ids;
        for (int row = 0; row < grid_->RowCount(); ++row)
            for (int col = 0; col < grid_->ColCount(); ++col)
                if (grid_->IsSelected(col, row)) ids.push_back(CellChildId(*grid_, {col, row}));
        if (ids.empty()) return ReturnNothing(children);
        if (ids.size() == 1) return ReturnChild(ids.front(), children);
        children->vt = VT_UNKNOWN;
        children->punkVal = NewChildEnumerator(std::move(ids));
        return S_OK;
    });
}

HRESULT GridTableObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    const auto cell = CellOf(child);
    if (!cell) return StandardAccessible::get_accDefaultAction(child, action);
    if (CanEdit(*cell)) return ReturnText(kEditAction, action);
    *action = nullptr;
    return S_FALSE;
}

HRESULT GridTableObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    const auto cell = CellOf(child);
    if (!cell) return StandardAccessible::accLocation(left, top, width, height, child);
    RECT rect = CellOnClient(*grid_, *cell);
    MapWindowPoints(grid_->AsControl().Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
}

HRESULT GridTableObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    const auto cell = CellOf(start);
    std::optional<GridPoint> to;
    if (!cell) {
        if (!grid_ || !IsSelf(start) || (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD))
            return StandardAccessible::accNavigate(direction, start, end);
        to = CellOfId(direction == NAVDIR_FIRSTCHILD ? 1 : grid_->ColCount() * grid_->RowCount());
    } else {
        const auto [col, row] = *cell;
        switch (direction) {
        case NAVDIR_UP: to = GridPoint{col, row - 1}; break;
        case NAVDIR_DOWN: to = GridPoint{col, row + 1}; break;
        case NAVDIR_LEFT: to = GridPoint{col - 1, row}; break;
        case NAVDIR_RIGHT: to = GridPoint{col + 1, row}; break;
        default: return E_INVALIDARG;  // a cell has no children, and its neighbours lie in a direction
        }
    }
    if (!to || !grid_->Cell(to->Col, to->Row)) return ReturnNothing(end);
    return ReturnChild(CellChildId(*grid_, *to), end);
}

// The cell shown under the point; the table itself over its captions, and the platform's
// answer outside the client area.
HRESULT GridTableObject::accHitTest(LONG x, LONG y, VARIANT* child) {
    if (!grid_) return StandardAccessible::accHitTest(x, y, child);
    HWND window = grid_->AsControl().Window();
    POINT point{x, y};
    ScreenToClient(window, &point);
    RECT client;
    GetClientRect(window, &client);
    if (!PtInRect(&client, point)) return StandardAccessible::accHitTest(x, y, child);
    const GridRect shown = PaintedCells(*grid_);
    for (int row = shown.Top; row <= shown.Bottom; ++row)
        for (int col = shown.Left; col <= shown.Right; ++col) {
            const GridPoint master = grid_->MasterOf({col, row});
            const RECT rect = CellOnClient(*grid_, master);
            if (PtInRect(&rect, point)) return ReturnChild(CellChildId(*grid_, master), child);
        }
    return ReturnChild(CHILDID_SELF, child);
}

// As Enter on the cell: it becomes the current cell and its editor opens.
HRESULT GridTableObject::accDoDefaultAction(VARIANT child) {
    const auto cell = CellOf(child);
    if (!cell) return StandardAccessible::accDoDefaultAction(child);
    if (!CanEdit(*cell)) return DISP_E_MEMBERNOTFOUND;
    grid_->SetCurCell(*cell);
    grid_->BeginEdit();
    return S_OK;
}
