#pragma once
#include <windows.h>

#include <string>

#include "grid/grid_types.h"
#include "toolkit/com_ref.h"
#include "toolkit/control.h"

class GridCell;
class GridTableObject;
class XLGrid;

// What a screen reader calls a cell: its column's caption and its row counted from 1.
std::string CellName(const XLGrid& grid, GridPoint cell);

// The grid as a screen reader sees it: a table of its cells, handed out on WM_GETOBJECT,
// and the events that tell the reader what changed. Until a reader has asked for the table
// nobody reads the grid, and no event is raised.
class GridAccessibility {
public:
    explicit GridAccessibility(XLGrid& grid);
    ~GridAccessibility();  // readers still holding the table get errors from it
    GridAccessibility(const GridAccessibility&) = delete;
    GridAccessibility& operator=(const GridAccessibility&) = delete;

    // WM_GETOBJECT: true when answered.
    bool Answer(const Message& message, LRESULT& result);

    void FocusTaken();
    void CurCellChanged();
    void SelectionChanged();
    void CellTextChanged(const GridCell& cell);

private:
    void Raise(DWORD event, LONG child) const;

    XLGrid& grid_;
    ComRef<GridTableObject> table_;
    GridPoint announcedCell_;
    GridRect announcedSelection_ = NoSelection;
};
