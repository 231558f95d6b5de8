#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "grid/grid_cell.h"
#include "grid/grid_host.h"
#include "grid/grid_types.h"
#include "toolkit/dpi_scale.h"
#include "toolkit/line_list.h"

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
    GridSides Padding;
    HAlignment HAlign = HAlignment::Left;
    VAlignment VAlign = VAlignment::Center;
};

enum class NavKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };
enum class ScrollAxis { Cols, Rows };
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

    // Sizes, line widths, paddings and margins are set in layout pixels (96 DPI); the
    // geometry and the painting take them scaled to the display the window is on.
    DpiScale Scale() const { return host_.DisplayScale(); }

    // Shape. Growing appends empty captions, default sizes and new cells; shrinking frees
    // from the end. An open edit is stored first, so it never lands in another cell.
    std::uint16_t ColCount() const { return colCount_; }
    std::uint16_t RowCount() const { return rowCount_; }
    void SetColCount(std::uint16_t count);
    void SetRowCount(std::uint16_t count);
    int ColWidth(int col) const;    // 0 out of range
    int RowHeight(int row) const;   // 0 out of range
    void SetColWidths(std::span<const int> widths);
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    int DefColWidth() const { return defColWidth_; }
    int DefRowHeight() const { return defRowHeight_; }
    void SetDefColWidth(int width) { defColWidth_ = width; }
    void SetDefRowHeight(int height) { defRowHeight_ = height; }
    GridCell* Cell(int col, int row) const;  // null out of range

    // Captions.
    void SetColCaption(int col, std::string_view text);
    std::string GetColCaption(int col) const;
    void SetRowCaption(int row, std::string_view text);
    std::string GetRowCaption(int row) const;
    int RowHeaderWidth() const { return Scale()(LayoutPx(rowHeaderWidth_)).Value; }
    int ColHeaderHeight() const { return Scale()(LayoutPx(colHeaderHeight_)).Value; }
    void SetRowHeaderWidth(int width);
    void SetColHeaderHeight(int height);

    // Looks. Line width setters change every cell and the default for new ones.
    const GridColors& Colors() const { return colors_; }
    void SetColors(const GridColors& colors);
    const CellDefaults& Defaults() const { return defaults_; }
    void SetDefaults(const CellDefaults& defaults) { defaults_ = defaults; }
    const GridSides& DefaultLineWidths() const { return lineWidths_; }
    void SetLeftLineWidth(int width);
    void SetTopLineWidth(int width);
    void SetRightLineWidth(int width);
    void SetBottomLineWidth(int width);
    std::uint8_t HighlightSelection() const { return highlight_; }
    void SetHighlightSelection(std::uint8_t highlight);
    std::uint8_t Options() const { return options_; }
    void SetOptions(std::uint8_t options);
    bool HasOption(GridOption option) const { return (options_ & option) != 0; }

    // Merges the area (grown to whole merged areas it touches) into one cell whose
    // master is its top-left cell.
    void MergeCells(const GridRect& area);
    GridPoint MasterOf(GridPoint cell) const;
    // Columns (rows) covered by merged areas met in rows (columns) from .. to, starting
    // from the one column (row): the range a step must leave at once.
    std::pair<int, int> ExpandColRange(int rowFrom, int rowTo, int col) const;
    std::pair<int, int> ExpandRowRange(int colFrom, int colTo, int row) const;

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

    // Geometry in client pixels.
    GridRect CellRect(int col, int row) const;
    int ColAtX(int x) const;
    int RowAtY(int y) const;
    GridPoint HitTest(int x, int y) const { return {ColAtX(x), RowAtY(y)}; }
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // Scrolling. The setters don't clamp; their callers do.
    int TopRow() const { return topRow_; }
    int LeftCol() const { return leftCol_; }
    void SetTopRow(int row);
    void SetLeftCol(int col);
    void ScrollToCol(int col);
    void ScrollToRow(int row);
    // Stores and closes an open edit, then sets both scroll bars.
    void UpdateScrollBars();

    // Input. Each returns after the grid has been brought up to date.
    void NavigateKey(NavKey key, bool ctrl, bool shift);
    void Scroll(ScrollAxis axis, ScrollRequest request, int thumb);
    void Wheel(int delta, bool ctrl);
    void MouseDown(int x, int y, bool ctrl);
    void MouseMove(int x, int y);
    void MouseUp();
    bool Dragging() const { return anchor_ != NoAnchor || headerDrag_ != HeaderDrag::None; }
    // Whether (x, y) lies in the current cell's merged area: a double click there edits.
    bool HitsCurCell(int x, int y) const;

private:
    void AddCol();
    void AddRow();
    void InitCell(GridCell& cell);
    void ClipToCounts();
    // Runs action on every cell of a range that lies inside the grid.
    template <class Action>
    void ForEachCell(const GridRect& range, Action action) const {
        for (int row = range.Top; row <= range.Bottom; ++row)
            for (int col = range.Left; col <= range.Right; ++col)
                if (GridCell* cell = Cell(col, row)) action(*cell);
    }
    GridRect AllCells() const { return {0, 0, colCount_ - 1, rowCount_ - 1}; }
    GridRect ClampRange(GridRect range) const;
    GridRect GrowToMergedAreas(GridRect range) const;
    GridRect MasterArea(GridPoint master) const;
    int SumWidths(int from, int to) const;
    int SumHeights(int from, int to) const;
    // What a navigation key does once Ctrl is taken into account.
    enum class Move { Left, Right, Up, Down, PageUp, PageDown, RowStart, RowEnd, ColTop, ColBottom, GridStart, GridEnd };
    static std::optional<Move> MoveOf(NavKey key, bool ctrl);
    void ScrollBefore(Move move, int visibleCols, int visibleRows);
    void MoveCurCell(Move move);
    void MoveSelectionEdge(Move move);

    GridHost& host_;
    std::uint16_t colCount_ = 0;
    std::uint16_t rowCount_ = 0;
    int defRowHeight_ = 20;
    int defColWidth_ = 70;
    int topRow_ = 0;
    int leftCol_ = 0;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<std::vector<std::unique_ptr<GridCell>>> rows_;
    GridRect selection_ = NoSelection;
    GridPoint curCell_;
    GridPoint anchor_ = NoAnchor;
    enum class HeaderDrag { None, Cols, Rows } headerDrag_ = HeaderDrag::None;
    GridColors colors_;
    int rowHeaderWidth_ = 30;
    int colHeaderHeight_ = 20;
    LineList colCaptions_;
    LineList rowCaptions_;
    GridSides lineWidths_;
    CellDefaults defaults_;
    std::uint8_t options_ = 0;
    std::uint8_t highlight_ = 1;
    bool allSelected_ = false;
};
