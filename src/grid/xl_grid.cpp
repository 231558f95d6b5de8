#include "grid/xl_grid.h"

#include <algorithm>

#include "toolkit/colour.h"
#include "toolkit/controls.h"

namespace {

constexpr const wchar_t* kGridClass = L"zelGrid";
constexpr UINT kGridClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;  // 0xB
// Child, visible, clipping, border, both scroll bars, tab stop.
constexpr DWORD kGridStyle = 0x56B10000;

}  // namespace

XLGrid::XLGrid(Control& control) : XLGridData(static_cast<GridHost&>(*this)), control_(control) {
    control_.SetColor(kWindowColour);
    control_.GetFont().OnChange = MakeEvent<&XLGrid::ControlFontChanged>(*this);
    headerFont_.OnChange = MakeEvent<&XLGrid::HeaderFontChanged>(*this);
    HeaderFontChanged(headerFont_);
}

XLGrid::~XLGrid() {
    ForgetEditor();
    control_.GetFont().OnChange = {};
}

XLGrid& NewXLGrid(Control& parent, std::uint16_t colCount, std::uint16_t rowCount, std::uint8_t highlightSelection,
                  std::uint8_t options) {
    Control& control = CreateCustomControl(parent, kGridClass, kGridClassStyle, kGridStyle, 0);
    XLGrid& grid = control.AddOwnedObject(std::make_unique<XLGrid>(control));
    grid.SetColCount(colCount);
    grid.SetRowCount(rowCount);
    grid.SetOptions(options);
    grid.SetHighlightSelection(highlightSelection);
    grid.SetCurCell({0, 0});
    control.AddMessageFilter(MakeMessageFilter<&XLGrid::HandleMessage>(grid));
    return grid;
}

void XLGrid::BeginUpdate() { control_.SetUpdateCount(control_.UpdateCount() + 1); }

void XLGrid::EndUpdate() {
    int count = std::max(0, control_.UpdateCount() - 1);
    control_.SetUpdateCount(count);
    if (count == 0) control_.Invalidate();
}

void XLGrid::SetScrollBars(const GridScrollBar& rows, const GridScrollBar& cols) {
    control_.SetScrollBar(SB_VERT, ScrollRange{0, rows.Max, rows.Page, rows.Pos});
    control_.SetScrollBar(SB_HORZ, ScrollRange{0, cols.Max, cols.Page, cols.Pos});
}

std::unique_ptr<GridCell> XLGrid::NewCell() {
    auto cell = std::make_unique<XLGridCell>();
    cell->Color = control_.Color();
    cell->Font.Assign(control_.GetFont());
    return cell;
}

// Every cell follows the control's font; fonts given to single cells are lost.
void XLGrid::ControlFontChanged(Font& font) {
    UpdateScope update(*this);
    for (int row = 0; row < RowCount(); ++row)
        for (int col = 0; col < ColCount(); ++col) Cell(col, row)->Font.Assign(font);
}

void XLGrid::HeaderFontChanged(Font& font) {
    UpdateScope update(*this);
    boldHeaderFont_.Assign(font);
    boldHeaderFont_.SetStyle(font.Style() | kFontBold);
}
