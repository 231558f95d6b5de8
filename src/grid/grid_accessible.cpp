#include "grid/grid_accessible.h"

#include "base/text_convert.h"
#include "grid/grid_table_object.h"
#include "grid/xl_grid.h"
#include "toolkit/accessibility.h"

std::string CellName(const XLGrid& grid, GridPoint cell) {
    return grid.GetColCaption(cell.Col) + ", строка " + IntToText(cell.Row + 1);
}

GridAccessibility::GridAccessibility(XLGrid& grid) : grid_(grid) {}

GridAccessibility::~GridAccessibility() {
    if (table_) table_->Disconnect();
}

bool GridAccessibility::Answer(const Message& message, LRESULT& result) {
    if (!AsksForClientObject(message.LParam)) return false;
    if (!table_) {
        IAccessible* standard = NewStandardObject(message.Window);
        if (!standard) return false;
        table_.Reset(new GridTableObject(standard, grid_));
        announcedCell_ = grid_.GetCurCell();
        announcedSelection_ = grid_.Selection();
    }
    return AnswerObjectRequest(*table_.Get(), message.WParam, result);
}

void GridAccessibility::Raise(DWORD event, LONG child) const {
    NotifyWinEvent(event, grid_.AsControl().Window(), OBJID_CLIENT, child);
}

// The grid's window got the focus: within it, the current cell has it.
void GridAccessibility::FocusTaken() {
    if (!table_) return;
    announcedCell_ = grid_.GetCurCell();
    Raise(EVENT_OBJECT_FOCUS, CellChildId(grid_, announcedCell_));
}

void GridAccessibility::CurCellChanged() {
    if (!table_ || grid_.GetCurCell() == announcedCell_) return;
    announcedCell_ = grid_.GetCurCell();
    if (grid_.AsControl().HasFocus()) Raise(EVENT_OBJECT_FOCUS, CellChildId(grid_, announcedCell_));
}

// One cell selected names it; a range is told as a change within the table.
void GridAccessibility::SelectionChanged() {
    const GridRect selection = grid_.Selection();
    if (!table_ || selection == announcedSelection_) return;
    announcedSelection_ = selection;
    if (selection.Top == -1) return;
    if (selection.Left == selection.Right && selection.Top == selection.Bottom)
        Raise(EVENT_OBJECT_SELECTION, CellChildId(grid_, {selection.Left, selection.Top}));
    else
        Raise(EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF);
}

void GridAccessibility::CellTextChanged(const GridCell& cell) {
    if (!table_) return;
    for (int row = 0; row < grid_.RowCount(); ++row)
        for (int col = 0; col < grid_.ColCount(); ++col)
            if (grid_.Cell(col, row) == &cell) Raise(EVENT_OBJECT_VALUECHANGE, CellChildId(grid_, {col, row}));
}
