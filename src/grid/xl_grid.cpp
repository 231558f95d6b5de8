#include "grid/xl_grid.h"

#include <algorithm>

#include "toolkit/colour.h"

namespace {

constexpr const wchar_t* kGridClass = L"zelGrid";
constexpr UINT kGridClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;  // 0xB
constexpr DWORD kGridStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                             WS_HSCROLL | WS_VSCROLL | WS_TABSTOP;

}  // namespace

XLGrid::XLGrid(CustomControl& control) : XLGridData(static_cast<GridHost&>(*this)), control_(control) {
    control_.GetFont().OnChange = MakeEvent<&XLGrid::ControlFontChanged>(*this);
    headerFont_.OnChange = MakeEvent<&XLGrid::HeaderFontChanged>(*this);
    HeaderFontChanged(headerFont_);
}

XLGrid::~XLGrid() {
    ForgetEditor();
    control_.GetFont().OnChange = {};
}

XLGrid& NewXLGrid(Control& parent, const XLGridArgs& args) {
    CustomControlArgs window{args.Common, kGridClass, kGridClassStyle,
                             kGridStyle | (args.Border ? DWORD{WS_BORDER} : 0)};
    window.Common.Colour = kWindowColour;
    CustomControl& control = CustomControl::Create(parent, window);
    XLGrid& grid = control.AddOwnedObject(std::make_unique<XLGrid>(control));
    grid.SetColCount(args.ColCount);
    grid.SetRowCount(args.RowCount);
    grid.SetOptions(args.Options);
    grid.SetHighlightSelection(args.HighlightSelection);
    grid.SetCurCell({0, 0});
    control.OnResize = MakeEvent<&XLGrid::Resized>(grid);
    control.OnScaleChange = MakeEvent<&XLGrid::ScaleChanged>(grid);
    control.AddMessageFilter(MakeMessageFilter<&XLGrid::HandleMessage>(grid));
    return grid;
}

void XLGrid::EndUpdate() {
    updateCount_ = std::max(0, updateCount_ - 1);
    if (updateCount_ == 0) control_.Invalidate();
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

void XLGrid::Resized(Control&) { UpdateScrollBars(); }

void XLGrid::ScaleChanged(Control&) {
    UpdateScope update(*this);
    UpdateScrollBars();
}

void XLGrid::HeaderFontChanged(Font& font) {
    UpdateScope update(*this);
    boldHeaderFont_.Assign(font);
    boldHeaderFont_.SetStyle(font.Style() | kFontBold);
}
