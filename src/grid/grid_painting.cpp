#include "grid/grid_layout.h"
#include "grid/xl_grid.h"
#include "toolkit/colour.h"
#include "toolkit/gdi_handles.h"

namespace {

// HAlign and VAlign values 0, 1, 2 are left/top, right/bottom, centre.
constexpr UINT kHAlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
constexpr UINT kVAlignFlags[] = {DT_TOP, DT_BOTTOM, DT_VCENTER};
constexpr LayoutPx kFramePenWidth(5);

RECT ToRect(const GridRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

UINT TextFormat(const XLGridCell& cell) {
    auto h = static_cast<std::size_t>(cell.HAlign), v = static_cast<std::size_t>(cell.VAlign);
    return (h < 3 ? kHAlignFlags[h] : DT_LEFT) | DT_SINGLELINE | (v < 3 ? kVAlignFlags[v] : DT_TOP);
}

}  // namespace

void XLGrid::PaintGrid(HDC dc) {
    const int width = ClientWidth(), height = ClientHeight();
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
            PaintCell(*Cell(master.Col, master.Row), ToRect(CellRect(master.Col, master.Row)), master.Col, master.Row,
                      canvas, IsSelected(master.Col, master.Row), false);
        }
    }
}

void XLGrid::PaintCurrentCell(Canvas& canvas) {
    if (ColCount() == 0 || RowCount() == 0) return;
    const GridPoint cur = GetCurCell();
    XLGridCell& cell = *Cell(cur.Col, cur.Row);
    const RECT rect = ToRect(CellRect(cur.Col, cur.Row));
    const RECT frame = ToRect(SelectionFrame(*this));
    const bool selected = IsSelected(cur.Col, cur.Row);
    if (HighlightSelection() == 0) {
        PaintCell(cell, rect, cur.Col, cur.Row, canvas, selected, true);
        OwnedPen pen(CreatePen(PS_SOLID, Scale()(kFramePenWidth).Value, 0));
        SelectGuard penGuard(canvas.Dc(), pen.Get());
        SelectGuard brushGuard(canvas.Dc(), GetStockObject(HOLLOW_BRUSH));
        int oldMode = SetROP2(canvas.Dc(), R2_NOT);
        Rectangle(canvas.Dc(), frame.left, frame.top, frame.right, frame.bottom);
        SetROP2(canvas.Dc(), oldMode);
    } else {
        if (SelectionBeyondCurCell(*this)) {
            canvas.SetBrushColor(Colors().SelectFrameColor);
            const int two = Scale()(2_lpx).Value, one = Scale()(1_lpx).Value;
            canvas.FrameRect({frame.left + two, frame.top + two, frame.right - one, frame.bottom - one});
        }
        PaintCell(cell, rect, cur.Col, cur.Row, canvas, selected, true);
    }
    canvas.SetBrushColor(control_.Color());
}

void XLGrid::PaintCell(XLGridCell& cell, const RECT& rect, int col, int row, Canvas& canvas, bool selected,
                       bool focused) {
    if (!cell.Visible) return;
    const bool highlighted = HighlightSelection() == 1 && (selected || focused);
    canvas.SetBrushColor(highlighted ? Colors().SelectColor : cell.Color);
    canvas.FillRect(rect);
    const RECT inner = DrawCellLines(cell, canvas, rect, col, row);
    const auto px = [scale = Scale()](int layout) { return scale(LayoutPx(layout)).Value; };
    const RECT text{inner.left + px(cell.Padding.Left), inner.top + px(cell.Padding.Top),
                    inner.right - px(cell.Padding.Right), inner.bottom - px(cell.Padding.Bottom)};
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
RECT XLGrid::DrawCellLines(const XLGridCell& cell, Canvas& canvas, const RECT& rect, int col, int row) {
    const GridSides strips = CellLineStrips(*this, col, row);
    RECT inner = rect;
    if (strips.Left > 0) {
        canvas.SetBrushColor(cell.LeftLine.Color);
        canvas.FillRect({rect.left, rect.top, rect.left + strips.Left, rect.bottom});
        inner.left = rect.left + strips.Left;
    }
    if (strips.Right > 0) {
        canvas.SetBrushColor(cell.RightLine.Color);
        canvas.FillRect({rect.right - strips.Right, rect.top, rect.right, rect.bottom});
        inner.right = rect.right - strips.Right;
    }
    if (strips.Top > 0) {
        canvas.SetBrushColor(cell.TopLine.Color);
        canvas.FillRect({rect.left, rect.top, rect.right, rect.top + strips.Top});
        inner.top = rect.top + strips.Top;
    }
    if (strips.Bottom > 0) {
        canvas.SetBrushColor(cell.BottomLine.Color);
        canvas.FillRect({rect.left, rect.bottom - strips.Bottom, rect.right, rect.bottom});
        inner.bottom = rect.bottom - strips.Bottom;
    }
    return inner;
}

// Headers come last, over anything that reaches into their strips. The current column's
// caption (and row's header) is bold and raised.
void XLGrid::PaintHeaders(Canvas& canvas) {
    if (ColCount() == 0 || RowCount() == 0) return;
    const int headerWidth = RowHeaderWidth(), headerHeight = ColHeaderHeight();
    canvas.SetTransparentText(true);
    if (headerWidth > 0 && headerHeight > 0) {
        RECT corner{0, 0, headerWidth, headerHeight};
        canvas.SetBrushColor(Colors().HeaderColor);
        canvas.FillRect(corner);
        DrawEdge(canvas.Dc(), &corner, BDR_RAISEDINNER, BF_RECT);
        bool handled = false;
        OnDrawHeader(*this, -1, -1, nullptr, canvas, corner, AllSelected(), AllSelected(), handled);
    }
    canvas.SetFont(headerFont_, Scale());
    const GridRect cells = PaintedCells(*this);
    const GridPoint cur = GetCurCell();
    if (headerHeight > 0) {
        int x = headerWidth;
        for (int col = cells.Left; col <= cells.Right; ++col) {
            RECT rect{x, 0, x + ColWidth(col), headerHeight};
            x = rect.right;
            PaintHeader(canvas, rect, GetColCaption(col), col == cur.Col, col, -1);
        }
    }
    if (headerWidth > 0) {
        int y = headerHeight;
        for (int row = cells.Top; row <= cells.Bottom; ++row) {
            RECT rect{0, y, headerWidth, y + RowHeight(row)};
            y = rect.bottom;
            PaintHeader(canvas, rect, GetRowCaption(row), row == cur.Row, -1, row);
        }
    }
}

void XLGrid::PaintHeader(Canvas& canvas, const RECT& rect, std::string_view caption, bool current, int col, int row) {
    canvas.SetFont(current ? boldHeaderFont_ : headerFont_, Scale());
    canvas.SetBrushColor(Colors().HeaderColor);
    canvas.FillRect(rect);
    canvas.DrawText(caption, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT edge = rect;
    DrawEdge(canvas.Dc(), &edge, current ? EDGE_RAISED : BDR_RAISEDINNER, BF_RECT);
    bool handled = false;
    OnDrawHeader(*this, col, row, nullptr, canvas, rect, false, false, handled);
}
