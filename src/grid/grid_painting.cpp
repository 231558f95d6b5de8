#include "grid/grid_layout.h"
#include "grid/xl_grid.h"
#include "toolkit/colour.h"
#include "toolkit/device_rect.h"
#include "toolkit/gdi_handles.h"

namespace {

// HAlign and VAlign values 0, 1, 2 are left/top, right/bottom, centre.
constexpr UINT kHAlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
constexpr UINT kVAlignFlags[] = {DT_TOP, DT_BOTTOM, DT_VCENTER};
constexpr LayoutPx kFramePenWidth(5);

UINT TextFormat(const XLGridCell& cell) {
    auto h = static_cast<std::size_t>(cell.HAlign), v = static_cast<std::size_t>(cell.VAlign);
    return (h < 3 ? kHAlignFlags[h] : DT_LEFT) | DT_SINGLELINE | (v < 3 ? kVAlignFlags[v] : DT_TOP);
}

}  // namespace

void XLGrid::PaintGrid(HDC dc) {
    const int width = ClientWidth().Value, height = ClientHeight().Value;
    {
        WindowDc reference(control_.Window());
        backBuffer_.Resize(reference.Get(), width, height);
    }
    {
        Canvas canvas(backBuffer_.Dc());
        canvas.SetBrushColor(control_.Color());
        canvas.FillRect({0, 0, width, height});
        PaintCells(canvas);
        PaintCurrentCell(canvas);
        PaintHeaders(canvas);
    }
    // One copy, so a repaint never flickers cell by cell.
    backBuffer_.CopyTo(dc, 0, 0);
}

// A merged area is painted once for every one of its cells that shows.
void XLGrid::PaintCells(Canvas& canvas) {
    if (ColCount() == 0 || RowCount() == 0) return;
    const GridRect cells = PaintedCells(*this);
    for (int row = cells.Top; row <= cells.Bottom; ++row) {
        for (int col = cells.Left; col <= cells.Right; ++col) {
            const GridPoint master = MasterOf({col, row});
            PaintCell(*Cell(master.Col, master.Row), CellRect(master.Col, master.Row), master.Col, master.Row, canvas,
                      IsSelected(master.Col, master.Row), false);
        }
    }
}

void XLGrid::PaintCurrentCell(Canvas& canvas) {
    if (ColCount() == 0 || RowCount() == 0) return;
    const GridPoint cur = GetCurCell();
    XLGridCell& cell = *Cell(cur.Col, cur.Row);
    const DeviceRect rect = CellRect(cur.Col, cur.Row);
    const DeviceRect frame = SelectionFrame(*this);
    const bool selected = IsSelected(cur.Col, cur.Row);
    if (HighlightSelection() == 0) {
        PaintCell(cell, rect, cur.Col, cur.Row, canvas, selected, true);
        OwnedPen pen(CreatePen(PS_SOLID, Scale()(kFramePenWidth).Value, 0));
        SelectGuard penGuard(canvas.Dc(), pen.Get());
        SelectGuard brushGuard(canvas.Dc(), GetStockObject(HOLLOW_BRUSH));
        int oldMode = SetROP2(canvas.Dc(), R2_NOT);
        Rectangle(canvas.Dc(), frame.Left.Value, frame.Top.Value, frame.Right().Value, frame.Bottom().Value);
        SetROP2(canvas.Dc(), oldMode);
    } else {
        if (SelectionBeyondCurCell(*this)) {
            canvas.SetBrushColor(Colors().SelectFrameColor);
            const DevicePx two = Scale()(2_lpx), one = Scale()(1_lpx);
            canvas.FrameRect(ToRect(Inset(frame, {two, two, one, one})));
        }
        PaintCell(cell, rect, cur.Col, cur.Row, canvas, selected, true);
    }
    canvas.SetBrushColor(control_.Color());
}

void XLGrid::PaintCell(XLGridCell& cell, const DeviceRect& rect, int col, int row, Canvas& canvas, bool selected,
                       bool focused) {
    if (!cell.Visible) return;
    const bool highlighted = HighlightSelection() == 1 && (selected || focused);
    canvas.SetBrushColor(highlighted ? Colors().SelectColor : cell.Color);
    canvas.FillRect(ToRect(rect));
    const DeviceRect insideLines = DrawCellLines(cell, canvas, rect, col, row);
    const RECT inner = ToRect(insideLines);
    const RECT text = ToRect(Inset(insideLines, Scaled(Scale(), cell.Padding)));
    if (HighlightSelection() == 1 && focused) canvas.DrawFocusRect(inner);
    canvas.SetTransparentText(true);
    canvas.SetFont(cell.Font, Scale());
    if (highlighted) canvas.SetTextColor(Colors().SelectTextColor);
    bool handled = false;
    OnDrawCell(*this, col, row, &cell, canvas, inner, selected, focused, handled);
    if (!handled) canvas.DrawText(cell.Text, text, TextFormat(cell));
    canvas.SetFont(cell.Font, Scale());
    if (HighlightSelection() == 0 && selected && !focused) canvas.InvertRect(inner);
}

// Each line is a strip in its own colour across the whole rectangle; corners are painted
// twice. Returns the rectangle inside the lines.
DeviceRect XLGrid::DrawCellLines(const XLGridCell& cell, Canvas& canvas, const DeviceRect& rect, int col, int row) {
    const DeviceSides strips = CellLineStrips(*this, col, row);
    const auto fill = [&](Side side, const DeviceRect& strip) {
        if (strips[side] <= 0_dpx) return;
        canvas.SetBrushColor(cell.Lines[side].Color);
        canvas.FillRect(ToRect(strip));
    };
    fill(Side::Left, {rect.Left, rect.Top, strips.Left, rect.Height});
    fill(Side::Right, {rect.Right() - strips.Right, rect.Top, strips.Right, rect.Height});
    fill(Side::Top, {rect.Left, rect.Top, rect.Width, strips.Top});
    fill(Side::Bottom, {rect.Left, rect.Bottom() - strips.Bottom, rect.Width, strips.Bottom});
    return Inset(rect, strips);
}

// Headers come last, over anything that reaches into their strips. The current column's
// caption (and row's header) is bold and raised.
void XLGrid::PaintHeaders(Canvas& canvas) {
    if (ColCount() == 0 || RowCount() == 0) return;
    const DevicePx headerWidth = DeviceHeaderSize(Axis::Cols), headerHeight = DeviceHeaderSize(Axis::Rows);
    canvas.SetTransparentText(true);
    if (headerWidth > 0_dpx && headerHeight > 0_dpx) {
        RECT corner = ToRect({0_dpx, 0_dpx, headerWidth, headerHeight});
        canvas.SetBrushColor(Colors().HeaderColor);
        canvas.FillRect(corner);
        DrawEdge(canvas.Dc(), &corner, BDR_RAISEDINNER, BF_RECT);
        bool handled = false;
        OnDrawHeader(*this, -1, -1, nullptr, canvas, corner, AllSelected(), AllSelected(), handled);
    }
    canvas.SetFont(headerFont_, Scale());
    const GridRect cells = PaintedCells(*this);
    const GridPoint cur = GetCurCell();
    // The captions of the columns along the top strip, then the rows' down the left one.
    for (Axis axis : kAxes) {
        const DevicePx depth = DeviceHeaderSize(Across(axis));
        if (depth <= 0_dpx) continue;
        DevicePx at = DeviceHeaderSize(axis);
        for (int index = FirstOn(cells, axis); index <= LastOn(cells, axis); ++index) {
            const DevicePx size = DeviceSize(axis, index);
            const DeviceRect rect = axis == Axis::Cols ? DeviceRect{at, 0_dpx, size, depth} : DeviceRect{0_dpx, at, depth, size};
            at += size;
            const GridPoint header = CellAt(axis, index, -1);
            PaintHeader(canvas, rect, Caption(axis, index), IndexOn(cur, axis) == index, header.Col, header.Row);
        }
    }
}

void XLGrid::PaintHeader(Canvas& canvas, const DeviceRect& place, std::string_view caption, bool current, int col,
                         int row) {
    const RECT rect = ToRect(place);
    canvas.SetFont(current ? boldHeaderFont_ : headerFont_, Scale());
    canvas.SetBrushColor(Colors().HeaderColor);
    canvas.FillRect(rect);
    canvas.DrawText(caption, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT edge = rect;
    DrawEdge(canvas.Dc(), &edge, current ? EDGE_RAISED : BDR_RAISEDINNER, BF_RECT);
    bool handled = false;
    OnDrawHeader(*this, col, row, nullptr, canvas, rect, false, false, handled);
}
