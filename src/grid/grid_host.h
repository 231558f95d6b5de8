#pragma once
#include <memory>

#include "base/dpi_scale.h"
#include "grid/grid_cell.h"
#include "grid/grid_types.h"

// A scroll bar as the grid sets it: range 0 .. Max, page and position.
struct GridScrollBar {
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    friend bool operator==(const GridScrollBar&, const GridScrollBar&) = default;
};

// What the grid model needs from the window that shows it.
class GridHost {
public:
    virtual DevicePx ClientWidth() const = 0;
    virtual DevicePx ClientHeight() const = 0;
    // The scale of the display the grid is on, asked for whenever a size is needed.
    virtual DpiScale DisplayScale() const = 0;
    // Repaint bracketing: the outermost EndUpdate repaints.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    // Closes an open edit; false when it stays open (refused and not forced).
    virtual bool EndEdit(bool save, bool force) = 0;
    virtual void SetScrollBars(const GridScrollBar& rows, const GridScrollBar& cols) = 0;
    // A cell with the host's colour and font; the model sets the rest.
    virtual std::unique_ptr<GridCell> NewCell() = 0;
    virtual void CurCellChanged(GridPoint cell) = 0;
    virtual void SelectionChanged(const GridRect& selection) = 0;
    // A cell's text is not what it was.
    virtual void CellTextChanged(const GridCell& /*cell*/) {}

protected:
    ~GridHost() = default;
};

// Brackets a burst of changes so that one repaint follows them.
class UpdateScope {
public:
    explicit UpdateScope(GridHost& host) : host_(host) { host_.BeginUpdate(); }
    ~UpdateScope() { host_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    GridHost& host_;
};
