#include <gtest/gtest.h>

#include <vector>

#include "grid/grid_data.h"
#include "grid/test_grid_host.h"

namespace {

using Cells = std::vector<GridPoint>;

TEST(GridModel, NewGridHasDefaultsAndOnlyTheFirstCellSelected) {
    TestGrid t(3, 3);
    const XLGridData& g = t.grid;
    EXPECT_EQ(g.GetCurCell(), (GridPoint{0, 0}));
    EXPECT_EQ(t.SelectedCells(), (Cells{{0, 0}}));
    EXPECT_EQ(g.TopRow(), 0);
    EXPECT_EQ(g.LeftCol(), 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g.ColWidth(i), 70_lpx);
        EXPECT_EQ(g.RowHeight(i), 20_lpx);
        EXPECT_EQ(g.GetColCaption(i), "");
        for (int j = 0; j < 3; ++j) {
            const GridCell* cell = g.Cell(i, j);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->Text, "");
            EXPECT_EQ(cell->Lines.Left.Width, 1_lpx);
            EXPECT_EQ(cell->Lines.Right.Color, SystemColor(16));
            EXPECT_EQ(cell->Padding, (LayoutSides{1_lpx, 1_lpx, 1_lpx, 1_lpx}));
            EXPECT_EQ(cell->VAlign, VAlignment::Center);
            EXPECT_EQ(cell->Grid, &g);
        }
    }
    EXPECT_EQ(t.host.updateCount, 0);
}

TEST(GridModel, OutOfRangeLookupsGiveNothing) {
    TestGrid t(3, 3);
    for (auto [col, row] : {GridPoint{-1, 0}, GridPoint{3, 0}, GridPoint{0, -1}, GridPoint{0, 3}})
        EXPECT_EQ(t.grid.Cell(col, row), nullptr) << col << "," << row;
    EXPECT_EQ(t.grid.ColWidth(3), 0_lpx);
    EXPECT_EQ(t.grid.RowHeight(-1), 0_lpx);
    t.grid.SetColCaption(3, "x");
    t.grid.SetColCaption(-1, "x");
    EXPECT_EQ(t.grid.GetColCaption(3), "");
    EXPECT_EQ(t.grid.CellRect(5, 0), MakeDeviceRect(30, 20, 0, 0));
}

TEST(GridModel, SetColWidthsTakesWhatFitsTheColumns) {
    struct Case {
        int cols;
        std::vector<LayoutPx> widths;
        std::vector<LayoutPx> expected;
    } cases[] = {
        {3, {160_lpx, 70_lpx, 100_lpx}, {160_lpx, 70_lpx, 100_lpx}},
        {2, {160_lpx, 70_lpx, 100_lpx}, {160_lpx, 70_lpx}},
        {3, {160_lpx}, {160_lpx, 70_lpx, 70_lpx}},
        {3, {}, {70_lpx, 70_lpx, 70_lpx}},
    };
    for (const Case& c : cases) {
        TestGrid t(c.cols, 3);
        t.grid.SetColWidths(c.widths);
        std::vector<LayoutPx> widths;
        for (int i = 0; i < t.grid.ColCount(); ++i) widths.push_back(t.grid.ColWidth(i));
        EXPECT_EQ(widths, c.expected) << "cols " << c.cols << ", " << c.widths.size() << " widths";
    }
}

TEST(GridModel, ShrinkingColumnsMovesTheCurrentCellAndGrowingKeepsTexts) {
    TestGrid t(5, 3);
    t.grid.SetCurCell({4, 1});
    t.grid.Cell(1, 1)->SetText("kept");
    t.grid.SetColCaption(1, "caption");
    t.grid.SetColCount(2);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{1, 1}));
    EXPECT_EQ(t.grid.Cell(2, 1), nullptr);
    t.grid.SetColCount(4);
    EXPECT_EQ(t.grid.Cell(1, 1)->Text, "kept");
    EXPECT_EQ(t.grid.GetColCaption(1), "caption");
    EXPECT_EQ(t.grid.GetColCaption(3), "");
    EXPECT_EQ(t.grid.ColWidth(3), 70_lpx);
    EXPECT_EQ(t.grid.Cell(3, 2)->Text, "");
}

TEST(GridModel, ShrinkingRowsClipsCurrentCellScrollAndSelection) {
    TestGrid t(3, 10, RangeSelect);
    t.grid.SetCurCell({1, 9});
    t.grid.SelectRange({0, 5, 2, 9});
    t.grid.SetRowCount(4);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{1, 3}));
    EXPECT_LE(t.grid.TopRow(), 3);
    EXPECT_EQ(t.grid.Selection(), NoSelection);
    t.grid.SetRowCount(0);
    EXPECT_EQ(t.grid.TopRow(), 0);
    t.grid.SetRowCount(2);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{1, 0}));  // back in range once there are rows
}

TEST(GridModel, CountChangesStoreAnOpenEditFirst) {
    TestGrid t(3, 3);
    t.host.editOpen = true;
    t.grid.SetRowCount(1);
    ASSERT_FALSE(t.host.endEdits.empty());
    EXPECT_EQ(t.host.endEdits.front(), std::make_pair(true, true));
}

TEST(GridModel, LineWidthSettersReachEveryCellAndNewOnes) {
    TestGrid t(2, 2);
    t.grid.SetLeftLineWidth(0_lpx);
    t.grid.SetBottomLineWidth(3_lpx);
    t.grid.SetColCount(3);
    for (int col = 0; col < 3; ++col) {
        EXPECT_EQ(t.grid.Cell(col, 1)->Lines.Left.Width, 0_lpx) << col;
        EXPECT_EQ(t.grid.Cell(col, 1)->Lines.Bottom.Width, 3_lpx) << col;
        EXPECT_EQ(t.grid.Cell(col, 1)->Lines.Top.Width, 1_lpx) << col;
    }
}

TEST(GridModel, EverySetterRepaintsOnceAndLeavesNoUpdateOpen) {
    TestGrid t(3, 3);
    struct Case {
        const char* name;
        void (*change)(XLGridData&);
    } cases[] = {
        {"SetColCount", [](XLGridData& g) { g.SetColCount(4); }},
        {"SetRowCount", [](XLGridData& g) { g.SetRowCount(2); }},
        {"SetText", [](XLGridData& g) { g.Cell(0, 0)->SetText("a"); }},
        {"SetColCaption", [](XLGridData& g) { g.SetColCaption(0, "a"); }},
        {"SetRowHeaderWidth", [](XLGridData& g) { g.SetRowHeaderWidth(0_lpx); }},
        {"SetLineWidth", [](XLGridData& g) { g.SetLineWidth(Side::Top, 0_lpx); }},
        {"SetCurCell", [](XLGridData& g) { g.SetCurCell({1, 1}); }},
        {"SelectRange", [](XLGridData& g) { g.SelectRange({0, 0, 1, 1}); }},
        {"SetTopRow", [](XLGridData& g) { g.SetTopRow(1); }},
        {"MergeCells", [](XLGridData& g) { g.MergeCells({1, 1, 2, 2}); }},
        {"NavigateKey", [](XLGridData& g) { g.NavigateKey(NavKey::End, true, false); }},
    };
    for (const Case& c : cases) {
        t.host.repaints = 0;
        c.change(t.grid);
        EXPECT_EQ(t.host.updateCount, 0) << c.name;
        EXPECT_EQ(t.host.repaints, 1) << c.name;
    }
}

TEST(GridModel, SelectionIsCountedNotFlagged) {
    TestGrid t(4, 4, RangeSelect);
    t.grid.SetAllSelected(false);
    t.grid.SelectRange({0, 0, 1, 1});
    t.grid.SetAllSelected(true);  // every count becomes 1
    t.grid.SelectRange({2, 2, 3, 3});  // releases the first range only
    EXPECT_FALSE(t.grid.IsSelected(0, 0));
    EXPECT_TRUE(t.grid.IsSelected(3, 0));
    EXPECT_EQ(t.grid.Cell(3, 3)->SelectCount, 2);
    t.grid.SelectRange({3, 3, 1, 1});  // corners in either order
    EXPECT_EQ(t.grid.Selection(), (GridRect{1, 1, 3, 3}));
    EXPECT_EQ(t.grid.Cell(3, 3)->SelectCount, 2);
    EXPECT_EQ(t.grid.Cell(2, 1)->SelectCount, 2);
    t.grid.SetAllSelected(false);
    EXPECT_TRUE(t.SelectedCells().empty());
    ASSERT_FALSE(t.host.selectionEvents.empty());
    EXPECT_EQ(t.host.selectionEvents.back(), (GridRect{1, 1, 3, 3}));
}

TEST(GridModel, SelectRangeClipsToTheGridAndIgnoresAnEmptyGrid) {
    TestGrid t(3, 3, RangeSelect);
    t.grid.SelectRange({-5, 1, 10, 20});
    EXPECT_EQ(t.grid.Selection(), (GridRect{0, 1, 2, 2}));
    TestGrid empty(0, 3, RangeSelect);
    empty.grid.SelectRange({0, 0, 1, 1});
    empty.grid.SetCurCell({1, 1});
    EXPECT_TRUE(empty.host.selectionEvents.empty());
    EXPECT_TRUE(empty.host.curCellEvents.empty());
}

TEST(GridModel, GetSelRectIsTheCurrentCellWithoutRangeSelect) {
    TestGrid t(3, 3);
    t.grid.SetCurCell({2, 1});
    EXPECT_EQ(t.grid.GetSelRect(), (GridRect{2, 1, 2, 1}));
    TestGrid r(3, 3, RangeSelect);
    r.grid.SelectRange({0, 0, 2, 1});
    EXPECT_EQ(r.grid.GetSelRect(), (GridRect{0, 0, 2, 1}));
}

TEST(GridModel, SetCurCellClampsSelectsAndRaisesBothEventsInOrder) {
    TestGrid t(3, 3);
    t.grid.SetCurCell({7, -2});
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 0}));
    EXPECT_EQ(t.SelectedCells(), (Cells{{2, 0}}));
    EXPECT_EQ(t.host.curCellEvents, (Cells{{2, 0}}));
    // SelectRange reports once, then SetCurCell once more.
    EXPECT_EQ(t.host.selectionEvents, (std::vector<GridRect>{{2, 0, 2, 0}, {2, 0, 2, 0}}));
    t.grid.SetCurCell({2, 0});
    EXPECT_EQ(t.host.curCellEvents.size(), 2u);  // also when nothing moved
}

TEST(GridModel, SetCurCellScrollsTheCellIntoView) {
    TestGrid t(3, 20);
    t.host.clientHeight = DevicePx(20 + 5 * 20 + 10);  // caption row, five whole rows and a part
    ASSERT_EQ(t.grid.VisibleRowCount(), 5);
    t.grid.SetCurCell({0, 12});
    EXPECT_EQ(t.grid.TopRow(), 8);
    t.grid.SetCurCell({0, 9});
    EXPECT_EQ(t.grid.TopRow(), 8);
    t.grid.SetCurCell({0, 2});
    EXPECT_EQ(t.grid.TopRow(), 2);
    EXPECT_EQ(t.host.rowBar, (GridScrollBar{19, 5, 2}));
    t.host.clientWidth = DevicePx(30 + 70 + 10);  // row headers and one column and a bit
    t.grid.SetCurCell({2, 2});
    EXPECT_EQ(t.grid.LeftCol(), 2);
    EXPECT_EQ(t.grid.VisibleColCount(), 1);
    t.grid.SetCurCell({0, 2});
    EXPECT_EQ(t.grid.LeftCol(), 0);
}

TEST(GridModel, ARefusedEditKeepsTheCurrentCellWhereItIs) {
    TestGrid t(3, 3);
    t.host.editOpen = true;
    t.host.refuseEdit = true;
    t.grid.SetCurCell({2, 2});
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{0, 0}));
    EXPECT_TRUE(t.host.editOpen);
    t.host.refuseEdit = false;
    t.grid.SetCurCell({2, 2});
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 2}));
    EXPECT_EQ(t.host.endEdits, (std::vector<std::pair<bool, bool>>{{true, false}, {true, false}}));
}

TEST(GridModel, TurningRangeSelectOffClearsEveryCount) {
    TestGrid t(3, 3, RangeSelect);
    t.grid.SelectRange({0, 0, 2, 2});
    t.grid.SetOptions(0);
    EXPECT_EQ(t.SelectedCells(), (Cells{{0, 0}}));
    EXPECT_EQ(t.grid.Options(), 0);
}

TEST(GridModel, MergedAreaIsCoveredWholeByCurrentCellAndSelection) {
    TestGrid t(5, 5, RangeSelect);
    t.host.clientHeight = 200_dpx;
    t.grid.MergeCells({1, 1, 2, 3});
    EXPECT_EQ(t.grid.Cell(1, 1)->ColSpan, 1);
    EXPECT_EQ(t.grid.Cell(1, 1)->RowSpan, 2);
    EXPECT_EQ(t.grid.Cell(2, 3)->MasterOffset, (GridPoint{1, 2}));
    t.grid.SetCurCell({2, 3});
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{1, 1}));
    EXPECT_EQ(t.grid.Selection(), (GridRect{1, 1, 2, 3}));
    EXPECT_EQ(t.grid.CellRect(1, 1), MakeDeviceRect(30 + 70, 20 + 20, 140, 60));
    // A range touching the area grows over all of it.
    t.grid.SelectRange({0, 3, 1, 4});
    EXPECT_EQ(t.grid.Selection(), (GridRect{0, 1, 2, 4}));
    EXPECT_EQ(t.grid.ExpandRange(Axis::Cols, 2, 2, 2), std::make_pair(1, 2));
    EXPECT_EQ(t.grid.ExpandRange(Axis::Rows, 0, 0, 2), std::make_pair(2, 2));
    EXPECT_EQ(t.grid.ExpandRange(Axis::Rows, 0, 4, 4), std::make_pair(4, 4));
    EXPECT_EQ(t.grid.ExpandRange(Axis::Rows, 2, 2, 4), std::make_pair(4, 4));
    EXPECT_EQ(t.grid.ExpandRange(Axis::Rows, 2, 2, 3), std::make_pair(1, 3));
}

TEST(GridModel, MergingOverTheCurrentCellMovesItToTheMaster) {
    TestGrid t(4, 4);
    t.grid.SetCurCell({2, 2});
    t.grid.MergeCells({1, 1, 2, 2});
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{1, 1}));
    // Merging next to an area takes the whole area in.
    t.grid.MergeCells({2, 0, 3, 1});
    EXPECT_EQ(t.grid.Cell(1, 0)->ColSpan, 2);
    EXPECT_EQ(t.grid.Cell(1, 0)->RowSpan, 2);
    EXPECT_EQ(t.grid.MasterOf({3, 2}), (GridPoint{1, 0}));
}

}  // namespace
