#include "grid/grid_layout.h"

#include <gtest/gtest.h>

#include "grid/test_grid_host.h"

namespace {

TEST(GridGeometry, SharedEdgeBelongsToTheLeftColumnAndBeyondToTheLast) {
    TestGrid t(3, 3);
    t.UseProgramLook();
    struct Case {
        int x;
        int col;
    } cases[] = {{-1, -1}, {0, 0}, {159, 0}, {160, 0}, {161, 1}, {230, 1}, {231, 2}, {330, 2}, {331, 2}, {5000, 2}};
    for (const Case& c : cases) EXPECT_EQ(t.grid.ColAtX(c.x), c.col) << "x " << c.x;
    struct RowCase {
        int y;
        int row;
    } rows[] = {{19, -1}, {20, 0}, {40, 0}, {41, 1}, {60, 1}, {61, 2}, {80, 2}, {500, 2}};
    for (const RowCase& c : rows) EXPECT_EQ(t.grid.RowAtY(c.y), c.row) << "y " << c.y;
    EXPECT_EQ(t.grid.HitTest(161, 41), (GridPoint{1, 1}));
}

TEST(GridGeometry, HitTestAndCellRectAgree) {
    TestGrid t(6, 6);
    t.grid.SetLeftCol(2);
    t.grid.SetTopRow(1);
    for (int x = 31; x < 30 + 4 * 70; x += 7) {
        int col = t.grid.ColAtX(x);
        GridRect r = t.grid.CellRect(col, t.grid.TopRow());
        EXPECT_LT(r.Left, x) << x;
        EXPECT_GE(r.Right, x) << x;
    }
    EXPECT_EQ(t.grid.CellRect(2, 1), (GridRect{30, 20, 100, 40}));
    EXPECT_EQ(t.grid.CellRect(0, 0), (GridRect{30 - 140, 0, 30 - 70, 20}));  // scrolled out of view
    EXPECT_EQ(t.grid.ColAtX(29), -1);
}

TEST(GridGeometry, SizesAndHeaderStripsMoveTheCells) {
    TestGrid t(3, 3);
    t.grid.SetColHeaderHeight(0);
    t.grid.SetRowHeaderWidth(0);
    t.grid.SetRowHeight(1, 35);
    t.grid.SetColWidth(0, 10);
    t.grid.SetColWidth(7, 99);  // no such column: ignored
    EXPECT_EQ(t.grid.CellRect(1, 2), (GridRect{10, 55, 80, 75}));
    EXPECT_EQ(t.grid.RowAtY(0), 0);
    EXPECT_EQ(t.grid.RowAtY(54), 1);
    t.grid.SetDefColWidth(33);
    t.grid.SetDefRowHeight(44);
    t.grid.SetColCount(4);
    t.grid.SetRowCount(4);
    EXPECT_EQ(t.grid.ColWidth(3), 33);
    EXPECT_EQ(t.grid.RowHeight(3), 44);
    EXPECT_EQ(t.grid.ColWidth(2), 70);
}

// At 144 DPI the program's 160, 70 and 20 pixels become 240, 105 and 30, and its one-pixel
// lines two, split between the neighbours.
TEST(GridGeometry, AtAnotherDpiSizesHitsAndLinesScale) {
    TestGrid t(3, 3);
    t.UseProgramLook();
    t.host.scale = DpiScale(144);
    EXPECT_EQ(t.grid.CellRect(1, 1), (GridRect{240, 60, 345, 90}));
    EXPECT_EQ(t.grid.HitTest(240, 60), (GridPoint{0, 0}));
    EXPECT_EQ(t.grid.HitTest(241, 61), (GridPoint{1, 1}));
    EXPECT_EQ(CellLineStrips(t.grid, 0, 0), (GridSides{0, 0, 1, 1}));
    EXPECT_EQ(CellLineStrips(t.grid, 1, 1), (GridSides{1, 1, 1, 1}));
}

TEST(GridGeometry, VisibleCountsAreColumnsEndingLeftOfTheEdgeAtLeastOne) {
    struct Case {
        int clientWidth;
        int visible;
    } cases[] = {{331, 3}, {330, 2}, {231, 2}, {230, 1}, {161, 1}, {100, 1}, {0, 1}};
    for (const Case& c : cases) {
        TestGrid t(3, 3);
        t.UseProgramLook();
        t.host.clientWidth = c.clientWidth;
        EXPECT_EQ(t.grid.VisibleColCount(), c.visible) << c.clientWidth;
    }
    TestGrid t(3, 3);
    t.UseProgramLook();
    EXPECT_EQ(t.grid.VisibleRowCount(), 3);
    t.host.clientHeight = 80;
    EXPECT_EQ(t.grid.VisibleRowCount(), 2);
}

TEST(GridGeometry, ScrollToColumnOnlyWhenOutOfView) {
    TestGrid t(10, 3);
    t.host.clientWidth = 30 + 3 * 70 + 5;
    t.grid.ScrollToCol(2);
    EXPECT_EQ(t.grid.LeftCol(), 0);
    t.grid.ScrollToCol(5);
    EXPECT_EQ(t.grid.LeftCol(), 5);
    t.grid.ScrollToCol(9);
    EXPECT_EQ(t.grid.LeftCol(), 7);
    t.grid.ScrollToCol(1);
    EXPECT_EQ(t.grid.LeftCol(), 1);
}

TEST(GridLines, HalfRoundsToEven) {
    const int expected[] = {0, 0, 1, 2, 2, 2, 3, 4, 4};
    for (int w = 0; w < 9; ++w) EXPECT_EQ(HalfToEven(w), expected[w]) << w;
}

TEST(GridLines, SharedLinesAreSplitBetweenNeighbours) {
    struct Case {
        int leftCellRight;
        int rightCellLeft;
        int leftShare;
        int rightShare;
    } cases[] = {
        {1, 0, 0, 1}, {0, 1, 0, 1}, {2, 2, 1, 1}, {3, 0, 1, 2}, {0, 0, 0, 0}, {5, 1, 3, 2}, {4, 4, 2, 2},
    };
    for (const Case& c : cases) {
        TestGrid t(2, 1);
        t.grid.Cell(0, 0)->RightLine.Width = c.leftCellRight;
        t.grid.Cell(1, 0)->LeftLine.Width = c.rightCellLeft;
        EXPECT_EQ(CellLineStrips(t.grid, 0, 0).Right, c.leftShare) << c.leftCellRight << "|" << c.rightCellLeft;
        EXPECT_EQ(CellLineStrips(t.grid, 1, 0).Left, c.rightShare) << c.leftCellRight << "|" << c.rightCellLeft;
    }
}

TEST(GridLines, ProgramLookHasOnePixelLinesRightAndBelow) {
    TestGrid t(3, 3);
    t.UseProgramLook();
    struct Case {
        int col, row;
        GridSides strips;
    } cases[] = {
        {0, 0, {0, 0, 0, 0}}, {1, 0, {1, 0, 0, 0}}, {2, 0, {1, 0, 1, 0}},
        {0, 1, {0, 1, 0, 0}}, {2, 2, {1, 1, 1, 1}}, {0, 2, {0, 1, 0, 1}},
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
        t.grid.SetLeftLineWidth(c.width);
        EXPECT_EQ(CellLineStrips(t.grid, 0, 0).Left, c.strip) << c.width;
    }
}

TEST(GridLines, AMergedCellMeetsTheCellBeyondItsArea) {
    TestGrid t(4, 1);
    t.grid.MergeCells({0, 0, 1, 0});
    t.grid.Cell(2, 0)->LeftLine.Width = 4;
    EXPECT_EQ(CellLineStrips(t.grid, 0, 0).Right, 2);
    t.grid.MergeCells({2, 0, 3, 0});
    EXPECT_EQ(CellLineStrips(t.grid, 2, 0).Right, 1);  // the last column: an outer line
}

TEST(GridPaintLayout, PaintedCellsIncludeOnePartialRowAndColumn) {
    TestGrid t(10, 10);
    t.host.clientWidth = 30 + 2 * 70 + 5;
    t.host.clientHeight = 20 + 3 * 20 + 5;
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
    EXPECT_EQ(SelectionFrame(t.grid), (GridRect{30 + 70 - 1, 20 + 20 - 1, 30 + 210 + 1, 20 + 80 + 1}));
    t.grid.MergeCells({1, 1, 2, 1});
    t.grid.SetCurCell({1, 1});
    EXPECT_FALSE(SelectionBeyondCurCell(t.grid));  // a merged current cell alone gets no frame
}

}  // namespace
