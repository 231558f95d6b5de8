#include "grid/grid_layout.h"

#include <gtest/gtest.h>

#include "grid/test_grid_host.h"

namespace {

constexpr DeviceSides Strips(int left, int top, int right, int bottom) {
    return {DevicePx(left), DevicePx(top), DevicePx(right), DevicePx(bottom)};
}

TEST(GridGeometry, SharedEdgeBelongsToTheColumnOrRowBeforeAndBeyondToTheLast) {
    TestGrid t(3, 3);
    t.UseProgramLook();
    struct Case {
        Axis axis;
        int at;
        int index;
    } cases[] = {
        {Axis::Cols, -1, -1}, {Axis::Cols, 0, 0},   {Axis::Cols, 159, 0}, {Axis::Cols, 160, 0}, {Axis::Cols, 161, 1},
        {Axis::Cols, 230, 1}, {Axis::Cols, 231, 2}, {Axis::Cols, 330, 2}, {Axis::Cols, 331, 2}, {Axis::Cols, 5000, 2},
        {Axis::Rows, 19, -1}, {Axis::Rows, 20, 0},  {Axis::Rows, 40, 0},  {Axis::Rows, 41, 1},  {Axis::Rows, 60, 1},
        {Axis::Rows, 61, 2},  {Axis::Rows, 80, 2},  {Axis::Rows, 500, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(t.grid.IndexAt(c.axis, DevicePx(c.at)), c.index) << (c.axis == Axis::Cols ? "x " : "y ") << c.at;
    EXPECT_EQ(t.grid.HitTest({161_dpx, 41_dpx}), (GridPoint{1, 1}));
}

TEST(GridGeometry, HitTestAndCellRectAgree) {
    TestGrid t(6, 6);
    t.grid.SetLeftCol(2);
    t.grid.SetTopRow(1);
    for (int x = 31; x < 30 + 4 * 70; x += 7) {
        const int col = t.grid.IndexAt(Axis::Cols, DevicePx(x));
        const DeviceRect r = t.grid.CellRect(col, t.grid.TopRow());
        EXPECT_LT(r.Left, DevicePx(x)) << x;
        EXPECT_GE(r.Right(), DevicePx(x)) << x;
    }
    EXPECT_EQ(t.grid.CellRect(2, 1), MakeDeviceRect(30, 20, 70, 20));
    EXPECT_EQ(t.grid.CellRect(0, 0), MakeDeviceRect(30 - 140, 0, 70, 20));  // scrolled out of view
    EXPECT_EQ(t.grid.IndexAt(Axis::Cols, 29_dpx), -1);
}

TEST(GridGeometry, SizesAndHeaderStripsMoveTheCells) {
    TestGrid t(3, 3);
    t.grid.SetColHeaderHeight(0_lpx);
    t.grid.SetRowHeaderWidth(0_lpx);
    t.grid.SetRowHeight(1, 35_lpx);
    t.grid.SetColWidth(0, 10_lpx);
    t.grid.SetColWidth(7, 99_lpx);  // no such column: ignored
    EXPECT_EQ(t.grid.CellRect(1, 2), MakeDeviceRect(10, 55, 70, 20));
    EXPECT_EQ(t.grid.IndexAt(Axis::Rows, 0_dpx), 0);
    EXPECT_EQ(t.grid.IndexAt(Axis::Rows, 54_dpx), 1);
    t.grid.SetDefColWidth(33_lpx);
    t.grid.SetDefRowHeight(44_lpx);
    t.grid.SetColCount(4);
    t.grid.SetRowCount(4);
    EXPECT_EQ(t.grid.ColWidth(3), 33_lpx);
    EXPECT_EQ(t.grid.RowHeight(3), 44_lpx);
    EXPECT_EQ(t.grid.ColWidth(2), 70_lpx);
}

// At 144 DPI the program's 160, 70 and 20 pixels become 240, 105 and 30, and its one-pixel
// lines two, split between the neighbours; the sizes it set stay what it set.
TEST(GridGeometry, AtAnotherDpiSizesHitsAndLinesScale) {
    TestGrid t(3, 3);
    t.UseProgramLook();
    t.host.scale = DpiScale(144);
    EXPECT_EQ(t.grid.ColWidth(0), 160_lpx);
    EXPECT_EQ(t.grid.DeviceSize(Axis::Cols, 0), 240_dpx);
    EXPECT_EQ(t.grid.ColHeaderHeight(), 20_lpx);
    EXPECT_EQ(t.grid.DeviceHeaderSize(Axis::Rows), 30_dpx);
    EXPECT_EQ(t.grid.CellRect(1, 1), MakeDeviceRect(240, 60, 105, 30));
    EXPECT_EQ(t.grid.HitTest({240_dpx, 60_dpx}), (GridPoint{0, 0}));
    EXPECT_EQ(t.grid.HitTest({241_dpx, 61_dpx}), (GridPoint{1, 1}));
    EXPECT_EQ(CellLineStrips(t.grid, 0, 0), Strips(0, 0, 1, 1));
    EXPECT_EQ(CellLineStrips(t.grid, 1, 1), Strips(1, 1, 1, 1));
}

TEST(GridGeometry, VisibleCountsAreThoseEndingBeforeTheEdgeAtLeastOne) {
    struct Case {
        Axis axis;
        int client;
        int visible;
    } cases[] = {
        {Axis::Cols, 331, 3}, {Axis::Cols, 330, 2}, {Axis::Cols, 231, 2}, {Axis::Cols, 230, 1}, {Axis::Cols, 161, 1},
        {Axis::Cols, 100, 1}, {Axis::Cols, 0, 1},   {Axis::Rows, 81, 3},  {Axis::Rows, 80, 2},  {Axis::Rows, 61, 2},
        {Axis::Rows, 41, 1},  {Axis::Rows, 0, 1},
    };
    for (const Case& c : cases) {
        TestGrid t(3, 3);
        t.UseProgramLook();
        (c.axis == Axis::Cols ? t.host.clientWidth : t.host.clientHeight) = DevicePx(c.client);
        EXPECT_EQ(t.grid.VisibleCount(c.axis), c.visible) << (c.axis == Axis::Cols ? "width " : "height ") << c.client;
    }
}

// Three columns and three rows show whole.
TEST(GridGeometry, ScrollToOnlyWhenOutOfView) {
    struct Step {
        int index;
        int first;
    } steps[] = {{2, 0}, {5, 5}, {9, 7}, {1, 1}};
    for (Axis axis : kAxes) {
        TestGrid t(10, 10);
        t.host.clientWidth = DevicePx(30 + 3 * 70 + 5);
        t.host.clientHeight = DevicePx(20 + 3 * 20 + 5);
        for (const Step& s : steps) {
            t.grid.ScrollTo(axis, s.index);
            EXPECT_EQ(t.grid.First(axis), s.first) << (axis == Axis::Cols ? "col " : "row ") << s.index;
        }
        EXPECT_EQ(t.grid.First(Across(axis)), 0);
    }
}

TEST(GridLines, HalfRoundsToEven) {
    const int expected[] = {0, 0, 1, 2, 2, 2, 3, 4, 4};
    for (int w = 0; w < 9; ++w) EXPECT_EQ(HalfToEven(DevicePx(w)), DevicePx(expected[w])) << w;
}

TEST(GridLines, SharedLinesAreSplitBetweenNeighbours) {
    struct Case {
        int nearCellLine;  // the right (bottom) line of the cell left of (above) the other
        int farCellLine;
        int nearShare;
        int farShare;
    } cases[] = {
        {1, 0, 0, 1}, {0, 1, 0, 1}, {2, 2, 1, 1}, {3, 0, 1, 2}, {0, 0, 0, 0}, {5, 1, 3, 2}, {4, 4, 2, 2},
    };
    for (Axis axis : kAxes) {
        for (const Case& c : cases) {
            TestGrid t(axis == Axis::Cols ? 2 : 1, axis == Axis::Cols ? 1 : 2);
            const GridPoint nearCell{0, 0}, farCell = CellAt(axis, 1, 0);
            t.grid.Cell(nearCell.Col, nearCell.Row)->Lines[EndSide(axis)].Width = LayoutPx(c.nearCellLine);
            t.grid.Cell(farCell.Col, farCell.Row)->Lines[StartSide(axis)].Width = LayoutPx(c.farCellLine);
            SCOPED_TRACE(::testing::Message() << (axis == Axis::Cols ? "columns " : "rows ") << c.nearCellLine << "|"
                                              << c.farCellLine);
            EXPECT_EQ(CellLineStrips(t.grid, nearCell.Col, nearCell.Row)[EndSide(axis)], DevicePx(c.nearShare));
            EXPECT_EQ(CellLineStrips(t.grid, farCell.Col, farCell.Row)[StartSide(axis)], DevicePx(c.farShare));
        }
    }
}

TEST(GridLines, ProgramLookHasOnePixelLinesRightAndBelow) {
    TestGrid t(3, 3);
    t.UseProgramLook();
    struct Case {
        int col, row;
        DeviceSides strips;
    } cases[] = {
        {0, 0, Strips(0, 0, 0, 0)}, {1, 0, Strips(1, 0, 0, 0)}, {2, 0, Strips(1, 0, 1, 0)},
        {0, 1, Strips(0, 1, 0, 0)}, {2, 2, Strips(1, 1, 1, 1)}, {0, 2, Strips(0, 1, 0, 1)},
    };
    for (const Case& c : cases) EXPECT_EQ(CellLineStrips(t.grid, c.col, c.row), c.strips) << c.col << "," << c.row;
}

TEST(GridLines, OuterLinesTakeHalfButAtLeastOnePixel) {
    struct Case {
        int width;
        int strip;
    } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {5, 2}, {6, 3}};
    for (const Case& c : cases) {
        TestGrid t(1, 1);
        t.grid.SetLineWidth(Side::Left, LayoutPx(c.width));
        EXPECT_EQ(CellLineStrips(t.grid, 0, 0).Left, DevicePx(c.strip)) << c.width;
    }
}

TEST(GridLines, AMergedCellMeetsTheCellBeyondItsArea) {
    TestGrid t(4, 1);
    t.grid.MergeCells({0, 0, 1, 0});
    t.grid.Cell(2, 0)->Lines.Left.Width = 4_lpx;
    EXPECT_EQ(CellLineStrips(t.grid, 0, 0).Right, 2_dpx);
    t.grid.MergeCells({2, 0, 3, 0});
    EXPECT_EQ(CellLineStrips(t.grid, 2, 0).Right, 1_dpx);  // the last column: an outer line
}

TEST(GridPaintLayout, PaintedCellsIncludeOnePartialRowAndColumn) {
    TestGrid t(10, 10);
    t.host.clientWidth = DevicePx(30 + 2 * 70 + 5);
    t.host.clientHeight = DevicePx(20 + 3 * 20 + 5);
    t.grid.SetLeftCol(1);
    EXPECT_EQ(PaintedCells(t.grid), (GridRect{1, 0, 3, 3}));
    t.grid.SetLeftCol(9);
    EXPECT_EQ(PaintedCells(t.grid), (GridRect{9, 0, 9, 3}));
}

TEST(GridPaintLayout, SelectionFrameSurroundsTheRangeByOnePixel) {
    TestGrid t(4, 4, RangeSelect);
    t.grid.SetCurCell({1, 1});
    EXPECT_FALSE(SelectionBeyondCurCell(t.grid));
    t.grid.SelectRange({1, 1, 2, 3});
    EXPECT_TRUE(SelectionBeyondCurCell(t.grid));
    EXPECT_EQ(SelectionFrame(t.grid), MakeDeviceRect(30 + 70 - 1, 20 + 20 - 1, 1 + 140 + 1, 1 + 60 + 1));
    t.grid.MergeCells({1, 1, 2, 1});
    t.grid.SetCurCell({1, 1});
    EXPECT_FALSE(SelectionBeyondCurCell(t.grid));  // a merged current cell alone gets no frame
}

}  // namespace
