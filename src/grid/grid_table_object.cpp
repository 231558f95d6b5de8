#include "grid/grid_table_object.h"

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

}  // namespace

LONG CellChildId(const XLGrid& grid, GridPoint cell) { return cell.Row * grid.ColCount() + cell.Col + 1; }

void GridTableObject::Disconnect() {
    grid_ = nullptr;
    DisconnectFromReaders(*this);
}

std::optional<GridPoint> GridTableObject::CellOfId(LONG id) const {
    if (id < 1 || id > grid_->ColCount() * grid_->RowCount()) return std::nullopt;
    return GridPoint{(id - 1) % grid_->ColCount(), (id - 1) / grid_->ColCount()};
}

std::optional<GridPoint> GridTableObject::CellOf(const VARIANT& child) const {
    if (child.vt != VT_I4) return std::nullopt;
    return CellOfId(child.lVal);
}

bool GridTableObject::CanEditNow(GridPoint cell) const {
    return Usable(grid_->AsControl().Window()) && grid_->CanEdit(cell);
}

LONG GridTableObject::State(GridPoint cell) const {
    LONG state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (!Usable(grid_->AsControl().Window())) state |= STATE_SYSTEM_UNAVAILABLE;
    if (grid_->IsSelected(cell.Col, cell.Row)) state |= STATE_SYSTEM_SELECTED;
    if (cell == grid_->GetCurCell() && grid_->AsControl().HasFocus()) state |= STATE_SYSTEM_FOCUSED;
    if (!grid_->CanEdit(cell)) state |= STATE_SYSTEM_READONLY;
    if (!InView(*grid_, cell)) state |= STATE_SYSTEM_OFFSCREEN;
    return state;
}

HRESULT GridTableObject::get_accParent(IDispatch** parent) {
    return AnswerGuarded(grid_ != nullptr, [&] { return StandardAccessible::get_accParent(parent); }, parent);
}

HRESULT GridTableObject::get_accChildCount(LONG* count) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        *count = grid_->ColCount() * grid_->RowCount();
        return S_OK;
    }, count);
}

// Cells are simple elements: they have no object of their own.
HRESULT GridTableObject::get_accChild(VARIANT child, IDispatch** object) {
    return AnswerGuarded(grid_ != nullptr, [&] { return CellOf(child) ? S_FALSE : E_INVALIDARG; }, object);
}

// The table is named by its window text.
HRESULT GridTableObject::get_accName(VARIANT child, BSTR* name) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        const auto cell = CellOf(child);
        if (!cell && !IsSelf(child)) return StandardAccessible::get_accName(child, name);
        return ReturnText(cell ? CellName(*grid_, *cell) : grid_->AsControl().Text(), name);
    }, name);
}

HRESULT GridTableObject::get_accValue(VARIANT child, BSTR* value) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        const auto cell = CellOf(child);
        if (!cell) return StandardAccessible::get_accValue(child, value);
        return ReturnText(grid_->Cell(cell->Col, cell->Row)->Text, value);
    }, value);
}

HRESULT GridTableObject::get_accDescription(VARIANT child, BSTR* description) {
    return AnswerGuarded(grid_ != nullptr, [&] { return StandardAccessible::get_accDescription(child, description); },
                         description);
}

HRESULT GridTableObject::get_accRole(VARIANT child, VARIANT* role) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        if (IsSelf(child)) return ReturnChild(ROLE_SYSTEM_TABLE, role);
        if (!CellOf(child)) return E_INVALIDARG;
        return ReturnChild(ROLE_SYSTEM_CELL, role);
    }, role);
}

HRESULT GridTableObject::get_accState(VARIANT child, VARIANT* state) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        const auto cell = CellOf(child);
        if (!cell) return StandardAccessible::get_accState(child, state);
        return ReturnChild(State(*cell), state);
    }, state);
}

HRESULT GridTableObject::get_accHelp(VARIANT child, BSTR* help) {
    return AnswerGuarded(grid_ != nullptr, [&] { return StandardAccessible::get_accHelp(child, help); }, help);
}

HRESULT GridTableObject::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return AnswerGuarded(grid_ != nullptr, [&] { return StandardAccessible::get_accHelpTopic(file, child, topic); }, file,
                         topic);
}

HRESULT GridTableObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return AnswerGuarded(grid_ != nullptr, [&] { return StandardAccessible::get_accKeyboardShortcut(child, shortcut); },
                         shortcut);
}

// With the grid focused, the focus is on its current cell.
HRESULT GridTableObject::get_accFocus(VARIANT* child) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        if (!grid_->AsControl().HasFocus()) return StandardAccessible::get_accFocus(child);
        return ReturnChild(CellChildId(*grid_, grid_->GetCurCell()), child);
    }, child);
}

HRESULT GridTableObject::get_accSelection(VARIANT* children) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        std::vector<LONG> ids;
        for (int row = 0; row < grid_->RowCount(); ++row)
            for (int col = 0; col < grid_->ColCount(); ++col)
                if (grid_->IsSelected(col, row)) ids.push_back(CellChildId(*grid_, {col, row}));
        if (ids.empty()) return ReturnNothing(children);
        if (ids.size() == 1) return ReturnChild(ids.front(), children);
        // The variant holds the reference only once it is whole: a failure leaves it empty.
        children->punkVal = NewChildEnumerator(std::move(ids)).Detach();
        children->vt = VT_UNKNOWN;
        return S_OK;
    }, children);
}

HRESULT GridTableObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        const auto cell = CellOf(child);
        if (!cell) return StandardAccessible::get_accDefaultAction(child, action);
        return CanEditNow(*cell) ? ReturnText(kEditAction, action) : S_FALSE;
    }, action);
}

HRESULT GridTableObject::accSelect(LONG flags, VARIANT child) {
    return AnswerGuarded(grid_ != nullptr, [&] { return StandardAccessible::accSelect(flags, child); });
}

HRESULT GridTableObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        const auto cell = CellOf(child);
        if (!cell) return StandardAccessible::accLocation(left, top, width, height, child);
        RECT rect = CellOnClient(*grid_, *cell);
        MapWindowPoints(grid_->AsControl().Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }, left, top, width, height);
}

// A cell's neighbours lie in a direction, or in reading order: along the row, then the
// next row. A cell has no children.
HRESULT GridTableObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        const auto cell = CellOf(start);
        std::optional<GridPoint> to;
        if (!cell) {
            if (!IsSelf(start) || (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD))
                return StandardAccessible::accNavigate(direction, start, end);
            to = CellOfId(direction == NAVDIR_FIRSTCHILD ? 1 : grid_->ColCount() * grid_->RowCount());
        } else {
            const auto [col, row] = *cell;
            switch (direction) {
            case NAVDIR_UP: to = GridPoint{col, row - 1}; break;
            case NAVDIR_DOWN: to = GridPoint{col, row + 1}; break;
            case NAVDIR_LEFT: to = GridPoint{col - 1, row}; break;
            case NAVDIR_RIGHT: to = GridPoint{col + 1, row}; break;
            case NAVDIR_NEXT: to = CellOfId(start.lVal + 1); break;
            case NAVDIR_PREVIOUS: to = CellOfId(start.lVal - 1); break;
            default: return E_INVALIDARG;
            }
        }
        if (!to || !grid_->Cell(to->Col, to->Row)) return ReturnNothing(end);
        return ReturnChild(CellChildId(*grid_, *to), end);
    }, end);
}

// The cell shown under the point; the table itself over its captions, and the platform's
// answer outside the client area.
HRESULT GridTableObject::accHitTest(LONG x, LONG y, VARIANT* child) {
    return AnswerGuarded(grid_ != nullptr, [&] {
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
    }, child);
}

// As Enter on the cell: it becomes the current cell and its editor opens.
HRESULT GridTableObject::accDoDefaultAction(VARIANT child) {
    return AnswerGuarded(grid_ != nullptr, [&] {
        const auto cell = CellOf(child);
        if (!cell) return StandardAccessible::accDoDefaultAction(child);
        if (!CanEditNow(*cell)) return DISP_E_MEMBERNOTFOUND;
        grid_->SetCurCell(*cell);
        grid_->BeginEdit();
        return S_OK;
    });
}

HRESULT GridTableObject::put_accName(VARIANT child, BSTR name) {
    return AnswerGuarded(grid_ != nullptr, [&] { return StandardAccessible::put_accName(child, name); });
}

HRESULT GridTableObject::put_accValue(VARIANT child, BSTR value) {
    return AnswerGuarded(grid_ != nullptr, [&] { return StandardAccessible::put_accValue(child, value); });
}
