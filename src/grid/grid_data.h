#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/dpi_scale.h"
#include "base/line_list.h"
#include "grid/grid_axis.h"
#include "grid/grid_cell.h"
#include "grid/grid_host.h"
#include "grid/grid_types.h"

struct GridColors {
    GridColor SelectColor = SystemColor(13);       // highlight
    GridColor SelectTextColor = SystemColor(14);   // highlight text
    GridColor SelectFrameColor = SystemColor(14);
    GridColor HeaderColor = SystemColor(15);       // button face
    GridColor LineColor = SystemColor(16);         // button shadow; for new cells
    friend bool operator==(const GridColors&, const GridColors&) = default;
};

// Layout given to new cells.
struct CellDefaults {
    LayoutSides Padding{1_lpx, 1_lpx, 1_lpx, 1_lpx};
    HAlignment HAlign = HAlignment::Left;
    VAlignment VAlign = VAlignment::Center;
};

enum class NavKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };
// The scroll bar requests, numbered as the platform numbers them.
enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Top, Bottom };

// The grid's state and every algorithm that needs no window: shape, captions, cells,
// geometry, current cell, counted selection, merged areas, scrolling and the meaning of
// keys, wheel and mouse. The window it lives in is reached through GridHost.
class XLGridData {
public:
    explicit XLGridData(GridHost& host) : host_(host) {}
    XLGridData(const XLGridData&) = delete;
    XLGridData& operator=(const XLGridData&) = delete;

    GridHost& Host() const { return host_; }

    // Sizes, line widths, paddings and margins are kept in layout pixels (96 DPI); the
    // geometry and the painting take them scaled to the display the window is on.
    DpiScale Scale() const { return host_.DisplayScale(); }

    // Shape. Growing appends empty captions, default sizes and new cells; shrinking frees
    // from the end. An open edit is stored first, so it never lands in another cell.
    std::uint16_t ColCount() const { return cols_.Count; }
    std::uint16_t RowCount() const { return rows_.Count; }
    void SetColCount(std::uint16_t count) { SetCount(Axis::Cols, count); }
    void SetRowCount(std::uint16_t count) { SetCount(Axis::Rows, count); }
    LayoutPx ColWidth(int col) const { return Size(Axis::Cols, col); }  // 0 out of range
    LayoutPx RowHeight(int row) const { return Size(Axis::Rows, row); }
    void SetColWidths(std::span<const LayoutPx> widths);
    void SetColWidth(int col, LayoutPx width) { SetSize(Axis::Cols, col, width); }
    void SetRowHeight(int row, LayoutPx height) { SetSize(Axis::Rows, row, height); }
    LayoutPx DefColWidth() const { return cols_.DefaultSize; }
    LayoutPx DefRowHeight() const { return rows_.DefaultSize; }
    void SetDefColWidth(LayoutPx width) { cols_.DefaultSize = width; }
    void SetDefRowHeight(LayoutPx height) { rows_.DefaultSize = height; }
    GridCell* Cell(int col, int row) const;  // null out of range

    // Captions.
    void SetColCaption(int col, std::string_view text) { SetCaption(Axis::Cols, col, text); }
    std::string GetColCaption(int col) const { return std::string(Caption(Axis::Cols, col)); }
    void SetRowCaption(int row, std::string_view text) { SetCaption(Axis::Rows, row, text); }
    std::string GetRowCaption(int row) const { return std::string(Caption(Axis::Rows, row)); }
    std::string_view Caption(Axis axis, int index) const { return Along(axis).Captions.Line(index); }
    LayoutPx RowHeaderWidth() const { return cols_.HeaderSize; }
    LayoutPx ColHeaderHeight() const { return rows_.HeaderSize; }
    void SetRowHeaderWidth(LayoutPx width) { SetHeaderSize(Axis::Cols, width); }
    void SetColHeaderHeight(LayoutPx height) { SetHeaderSize(Axis::Rows, height); }

    // Looks. A line width setter changes every cell and the default for new ones.
    const GridColors& Colors() const { return colors_; }
    void SetColors(const GridColors& colors);
    const CellDefaults& Defaults() const { return defaults_; }
    void SetDefaults(const CellDefaults& defaults) { defaults_ = defaults; }
    const LayoutSides& DefaultLineWidths() const { return lineWidths_; }
    void SetLineWidth(Side side, LayoutPx width);
    void SetLeftLineWidth(LayoutPx width) { SetLineWidth(Side::Left, width); }
    void SetTopLineWidth(LayoutPx width) { SetLineWidth(Side::Top, width); }
    void SetRightLineWidth(LayoutPx width) { SetLineWidth(Side::Right, width); }
    void SetBottomLineWidth(LayoutPx width) { SetLineWidth(Side::Bottom, width); }
    std::uint8_t HighlightSelection() const { return highlight_; }
    void SetHighlightSelection(std::uint8_t highlight);
    std::uint8_t Options() const { return options_; }
    void SetOptions(std::uint8_t options);
    bool HasOption(GridOption option) const { return (options_ & option) != 0; }

    // Merges the area (grown to whole merged areas it touches) into one cell whose
    // master is its top-left cell.
    void MergeCells(const GridRect& area);
    GridPoint MasterOf(GridPoint cell) const;
    // The columns (rows) covered by merged areas met in the rows (columns) from .. to
    // across the axis, starting from the one at index: the range a step must leave at once.
    std::pair<int, int> ExpandRange(Axis axis, int acrossFrom, int acrossTo, int index) const;

    // Current cell and counted selection.
    GridPoint GetCurCell() const { return curCell_; }
    void SetCurCell(GridPoint cell);
    const GridRect& Selection() const { return selection_; }
    void SelectRange(const GridRect& range);
    void SetAllSelected(bool selected);
    bool IsSelected(int col, int row) const;
    GridRect GetSelRect() const;
    bool AllSelected() const { return allSelected_; }
    GridPoint Anchor() const { return anchor_; }

    // Geometry in the client area's device pixels: the one place sizes are scaled.
    DevicePx DeviceSize(Axis axis, int index) const;  // a column's width, a row's height; 0 out of range
    DevicePx DeviceHeaderSize(Axis axis) const;
    DeviceRect CellRect(int col, int row) const;
    // The column (row) at a coordinate along the axis.
    int IndexAt(Axis axis, DevicePx at) const;
    int ColAtX(DevicePx x) const { return IndexAt(Axis::Cols, x); }
    int RowAtY(DevicePx y) const { return IndexAt(Axis::Rows, y); }
    GridPoint HitTest(DevicePoint point) const { return {ColAtX(point.X), RowAtY(point.Y)}; }
    int VisibleCount(Axis axis) const;
    int VisibleColCount() const { return VisibleCount(Axis::Cols); }
    int VisibleRowCount() const { return VisibleCount(Axis::Rows); }

    // Scrolling. The setters don't clamp; their callers do.
    int First(Axis axis) const { return Along(axis).First; }
    int TopRow() const { return rows_.First; }
    int LeftCol() const { return cols_.First; }
    void SetFirst(Axis axis, int index);
    void SetTopRow(int row) { SetFirst(Axis::Rows, row); }
    void SetLeftCol(int col) { SetFirst(Axis::Cols, col); }
    // Scrolls only when the column (row) is out of view.
    void ScrollTo(Axis axis, int index);
    // Stores and closes an open edit, then sets both scroll bars.
    void UpdateScrollBars();

    // Input. Each returns after the grid has been brought up to date.
    void NavigateKey(NavKey key, bool ctrl, bool shift);
    void Scroll(Axis axis, ScrollRequest request, int thumb);
    void Wheel(int delta, bool ctrl);
    void MouseDown(DevicePoint point, bool ctrl);
    void MouseMove(DevicePoint point);
    void MouseUp();
    bool Dragging() const { return anchor_ != NoAnchor || headerDrag_.has_value(); }
    // Whether the point lies in the current cell's merged area: a double click there edits.
    bool HitsCurCell(DevicePoint point) const;

private:
    // What the grid keeps once per axis: of its columns along x, of its rows along y.
    struct GridAxis {
        GridAxis(LayoutPx defaultSize, LayoutPx headerSize) : DefaultSize(defaultSize), HeaderSize(headerSize) {}

        std::uint16_t Count = 0;
        int First = 0;  // the first column or row shown
        LayoutPx DefaultSize;  // given to new columns or rows
        // The header strip before the first column or row: the row headers' width along x,
        // the caption row's height along y.
        LayoutPx HeaderSize;
        std::vector<LayoutPx> Sizes;
        LineList Captions;
    };

    const GridAxis& Along(Axis axis) const { return axis == Axis::Cols ? cols_ : rows_; }
    GridAxis& Along(Axis axis) { return axis == Axis::Cols ? cols_ : rows_; }
    LayoutPx Size(Axis axis, int index) const;
    void SetSize(Axis axis, int index, LayoutPx size);
    void SetHeaderSize(Axis axis, LayoutPx size);
    void SetCaption(Axis axis, int index, std::string_view text);
    void SetCount(Axis axis, std::uint16_t count);
    // One more column (row) at the end, with new cells; the last one and its cells freed.
    void AddLine(Axis axis);
    void RemoveLastLine(Axis axis);
    void AddCell(std::vector<std::unique_ptr<GridCell>>& row);
    void InitCell(GridCell& cell);
    void ClipToCounts();
    // Runs action on every cell of a range that lies inside the grid.
    template <class Action>
    void ForEachCell(const GridRect& range, Action action) const {
        for (int row = range.Top; row <= range.Bottom; ++row)
            for (int col = range.Left; col <= range.Right; ++col)
                if (GridCell* cell = Cell(col, row)) action(*cell);
    }
    GridRect AllCells() const { return {0, 0, ColCount() - 1, RowCount() - 1}; }
    GridRect ClampRange(GridRect range) const;
    GridRect GrowToMergedAreas(GridRect range) const;
    GridRect MasterArea(GridPoint master) const;
    DevicePx ClientSize(Axis axis) const { return axis == Axis::Cols ? host_.ClientWidth() : host_.ClientHeight(); }
    DevicePx SumSizes(Axis axis, int from, int to) const;
    // Where a column (row) starts; before the header strip when it is scrolled out of view.
    DevicePx Start(Axis axis, int index) const;
    // Scrolls on one column (row) at a time until index shows, or back one when it lies
    // before the first shown.
    void StepIntoView(Axis axis, int index);
    GridScrollBar ScrollBar(Axis axis) const;
    // What a navigation key does once Ctrl is taken into account.
    enum class Move { Left, Right, Up, Down, PageUp, PageDown, RowStart, RowEnd, ColTop, ColBottom, GridStart, GridEnd };
    static std::optional<Move> MoveOf(NavKey key, bool ctrl);
    void ScrollBefore(Move move, int visibleCols, int visibleRows);
    void MoveCurCell(Move move);
    // The current cell's neighbour along the axis a step (-1 or +1) away, past its merged area.
    GridPoint Neighbour(Axis axis, int step) const;
    void MoveSelectionEdge(Move move);
    void StepSelectionEdge(Axis axis, int step);
    void PageSelectionEdge(int step);

    GridHost& host_;
    GridAxis cols_{70_lpx, 30_lpx};  // columns 70 wide, row headers 30 wide
    GridAxis rows_{20_lpx, 20_lpx};  // rows 20 high, the caption row 20 high
    std::vector<std::vector<std::unique_ptr<GridCell>>> cells_;  // row by row
    GridRect selection_ = NoSelection;
    GridPoint curCell_;
    GridPoint anchor_ = NoAnchor;
    // The axis a drag that started in a header strip scrolls along.
    std::optional<Axis> headerDrag_;
    GridColors colors_;
    LayoutSides lineWidths_{1_lpx, 1_lpx, 1_lpx, 1_lpx};
    CellDefaults defaults_;
    std::uint8_t options_ = 0;
    std::uint8_t highlight_ = 1;
    bool allSelected_ = false;
};
