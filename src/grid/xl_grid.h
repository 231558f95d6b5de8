#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "grid/grid_accessible.h"
#include "grid/grid_data.h"
#include "toolkit/canvas.h"
#include "toolkit/custom_control.h"
#include "toolkit/edit_box.h"
#include "toolkit/event.h"
#include "toolkit/font.h"

// A cell as the window shows it: the model's cell with a font of its own.
class XLGridCell : public GridCell {
public:
    ::Font Font;
};

class XLGrid;

struct XLGridArgs {
    ControlArgs Common{};
    std::uint16_t ColCount = 3;
    std::uint16_t RowCount = 3;
    std::uint8_t HighlightSelection = 1;
    std::uint8_t Options = 0;
    bool Border = true;
};

// (grid, col, row, editor, edit focus, margins): leave the editor null to refuse the edit.
// The edit focus is the edit box inside a composite editor; left null, the editor is it.
using BeginEditEvent = Event<XLGrid&, int, int, Control*&, EditBox*&, LayoutSides&>;
// (grid, col, row, editor, edit focus, text, accept): clear accept to keep the editor open.
using EndEditEvent = Event<XLGrid&, int, int, Control*, EditBox*, std::string&, bool&>;
using GridChangeEvent = Event<XLGrid&>;
using CurCellChangeEvent = Event<XLGrid&, int, int>;
using SelectionChangeEvent = Event<XLGrid&, const GridRect&>;
// (grid, col, row, cell or null for a header, canvas, rectangle, selected, focused, handled)
using DrawCellEvent = Event<XLGrid&, int, int, XLGridCell*, Canvas&, const RECT&, bool, bool, bool&>;

// The spreadsheet-like control: a "zelGrid" window over the grid model, painted through an
// off-screen picture, driven by keys, mouse, wheel and scroll bars, and editing a cell in
// place with an editor control its owner lends it. The object belongs to its control.
class XLGrid final : public OwnedObject, private GridHost, public XLGridData {
public:
    explicit XLGrid(CustomControl& control);
    ~XLGrid() override;

    CustomControl& AsControl() const { return control_; }
    XLGridCell* Cell(int col, int row) const { return static_cast<XLGridCell*>(XLGridData::Cell(col, row)); }
    Font& HeaderFont() { return headerFont_; }

    // Changes between these repaint once, at the outermost EndUpdate.
    void BeginUpdate() override { ++updateCount_; }
    void EndUpdate() override;
    int UpdateCount() const { return updateCount_; }

    // Opens the owner's editor over the current cell, its text all selected.
    void BeginEdit();
    // Closes the editor, storing its text when save is set. Returns false when the edit
    // stays open: OnEndEdit refused without force, or the focus moved inside the editor.
    bool EndEdit(bool save, bool force) override;
    Control* Editor() const { return editor_; }
    EditBox* EditFocus() const { return editFocus_; }

    // The whole picture into dc, through the back buffer.
    void PaintGrid(HDC dc);

    void SetOnBeginEdit(BeginEditEvent handler) { OnBeginEdit = handler; }
    void SetOnEndEdit(EndEditEvent handler) { OnEndEdit = handler; }

    BeginEditEvent OnBeginEdit;
    EndEditEvent OnEndEdit;
    GridChangeEvent OnChange;  // an edit changed a cell's text
    CurCellChangeEvent OnCurCellChange;
    SelectionChangeEvent OnSelectionChange;
    DrawCellEvent OnDrawCell;
    DrawCellEvent OnDrawHeader;

private:
    friend XLGrid& NewXLGrid(Control&, const XLGridArgs&);

    // GridHost
    DevicePx ClientWidth() const override { return control_.ClientWidth(); }
    DevicePx ClientHeight() const override { return control_.ClientHeight(); }
    DpiScale DisplayScale() const override { return control_.Scale(); }
    void SetScrollBars(const GridScrollBar& rows, const GridScrollBar& cols) override;
    std::unique_ptr<GridCell> NewCell() override;
    void CurCellChanged(GridPoint cell) override {
        OnCurCellChange(*this, cell.Col, cell.Row);
        accessibility_.CurCellChanged();
    }
    void SelectionChanged(const GridRect& selection) override {
        OnSelectionChange(*this, selection);
        accessibility_.SelectionChanged();
    }
    void CellTextChanged(const GridCell& cell) override { accessibility_.CellTextChanged(cell); }

    bool HandleMessage(Control& control, const Message& message, LRESULT& result);
    void KeyDown(int key);
    void ControlFontChanged(Font& font);
    void HeaderFontChanged(Font& font);
    // An open edit is stored, and the scroll bars follow the new size or scale.
    void Resized(Control& control);
    void ScaleChanged(Control& control);

    void EditorKeyDown(Control& editor, int key);
    void EditorLeft(Control& editor);
    void ForgetEditor();

    void PaintCells(Canvas& canvas);
    void PaintCurrentCell(Canvas& canvas);
    void PaintHeaders(Canvas& canvas);
    void PaintCell(XLGridCell& cell, const DeviceRect& rect, int col, int row, Canvas& canvas, bool selected,
                   bool focused);
    DeviceRect DrawCellLines(const XLGridCell& cell, Canvas& canvas, const DeviceRect& rect, int col, int row);
    void PaintHeader(Canvas& canvas, const DeviceRect& rect, std::string_view caption, bool current, int col, int row);

    CustomControl& control_;
    int updateCount_ = 0;
    Font headerFont_;
    Font boldHeaderFont_;  // the current column's caption
    OffscreenBitmap backBuffer_;
    Control* editor_ = nullptr;
    EditBox* editFocus_ = nullptr;
    GridAccessibility accessibility_{*this};  // last: readers lose the grid before anything else goes
};

// Creates a grid window inside parent with its first columns and rows.
XLGrid& NewXLGrid(Control& parent, const XLGridArgs& args);
