#pragma once
#include <optional>
#include <utility>

#include "grid/grid_types.h"
#include "toolkit/standard_accessible.h"

class XLGrid;

// The child id of a cell: cells counted row by row from 1, as readers count children.
LONG CellChildId(const XLGrid& grid, GridPoint cell);

// The grid's IAccessible: a table whose children are its cells, each with a name, the
// cell's text as value, states and a place on the screen. What concerns the grid's window
// as a whole is the platform's own answer. Every method runs through one guard: no
// exception reaches the reader, and a failed call leaves its out-parameters empty.
class GridTableObject final : public StandardAccessible {
public:
    GridTableObject(ComRef<IAccessible> standard, XLGrid& grid)
        : StandardAccessible(std::move(standard)), grid_(&grid) {}
    // The grid is gone: readers in other processes are cut off, and every call from one
    // still holding the object fails.
    void Disconnect();

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    // The cell a child id names; nothing for the table itself or an unknown id.
    std::optional<GridPoint> CellOf(const VARIANT& child) const;
    std::optional<GridPoint> CellOfId(LONG id) const;
    LONG State(GridPoint cell) const;
    // Whether the cell's default action, "Изменить", can be done now.
    bool CanEditNow(GridPoint cell) const;

    XLGrid* grid_;
};
