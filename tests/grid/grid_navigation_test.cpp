#include <gtest/gtest.h>

#include <vector>

#include "grid/grid_data.h"
#include "grid/test_grid_host.h"

namespace {

using Cells = std::vector<GridPoint>;

DevicePoint At(int x, int y) { return {DevicePx(x), DevicePx(y)}; }

// A 10 x 30 grid whose client shows row headers, four whole columns and five whole rows.
struct BigGrid : TestGrid {
    explicit BigGrid(std::uint8_t options = 0) : TestGrid(10, 30, options) {
        host.clientWidth = DevicePx(30 + 4 * 70 + 20);
        host.clientHeight = DevicePx(20 + 5 * 20 + 10);
    }
};

TEST(GridKeys, EachKeyMovesTheCurrentCellAndScrolls) {
    struct Case {
        const char* name;
        GridPoint from;
        NavKey key;
        bool ctrl;
        GridPoint to;
        int topRow;
        int leftCol;
    } cases[] = {
        {"Left", {3, 3}, NavKey::Left, false, {2, 3}, 0, 0},
        {"Left at 0", {0, 3}, NavKey::Left, false, {0, 3}, 0, 0},
        {"Right", {3, 3}, NavKey::Right, false, {4, 3}, 0, 1},
        {"Right at last", {9, 3}, NavKey::Right, false, {9, 3}, 0, 6},
        {"Up at 0", {3, 0}, NavKey::Up, false, {3, 0}, 0, 0},
        {"Down", {3, 4}, NavKey::Down, false, {3, 5}, 1, 0},
        {"Down at last", {3, 29}, NavKey::Down, false, {3, 29}, 25, 0},
        {"Page Down", {0, 2}, NavKey::PageDown, false, {0, 6}, 4, 0},
        {"Page Up", {0, 10}, NavKey::PageUp, false, {0, 6}, 2, 0},
        {"Home", {5, 3}, NavKey::Home, false, {0, 3}, 0, 0},
        {"End", {0, 3}, NavKey::End, false, {9, 3}, 0, 6},
        {"Ctrl+Left", {5, 3}, NavKey::Left, true, {0, 3}, 0, 0},
        {"Ctrl+Right", {0, 3}, NavKey::Right, true, {9, 3}, 0, 6},
        {"Ctrl+Up", {2, 20}, NavKey::Up, true, {2, 0}, 0, 0},
        {"Ctrl+Down", {2, 3}, NavKey::Down, true, {2, 29}, 25, 0},
        {"Ctrl+Home", {7, 20}, NavKey::Home, true, {0, 0}, 0, 0},
        {"Ctrl+End", {0, 0}, NavKey::End, true, {9, 29}, 25, 6},
        {"Ctrl+Page Down is not a key", {2, 3}, NavKey::PageDown, true, {2, 3}, 0, 0},
    };
    for (const Case& c : cases) {
        BigGrid t;
        t.grid.SetCurCell(c.from);
        if (c.from.Row >= 10) t.grid.SetTopRow(c.from.Row - 4);  // the row shown last
        t.grid.NavigateKey(c.key, c.ctrl, false);
        EXPECT_EQ(t.grid.GetCurCell(), c.to) << c.name;
        EXPECT_EQ(t.grid.TopRow(), c.topRow) << c.name;
        EXPECT_EQ(t.grid.LeftCol(), c.leftCol) << c.name;
        EXPECT_EQ(t.SelectedCells(), Cells{c.to}) << c.name;
        EXPECT_EQ(t.host.updateCount, 0) << c.name;
    }
}

TEST(GridKeys, PageDownOnRowsThatAllFitMovesTwoRows) {
    TestGrid t(3, 3);
    t.UseProgramLook();
    ASSERT_EQ(t.grid.VisibleRowCount(), 3);
    t.grid.NavigateKey(NavKey::PageDown, false, false);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{0, 2}));
    EXPECT_EQ(t.grid.TopRow(), 0);
    t.grid.SetCurCell({1, 1});
    t.grid.NavigateKey(NavKey::PageDown, false, false);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{1, 2}));
}

TEST(GridKeys, KeysOnAnEmptyGridTouchNothing) {
    for (auto [cols, rows] : {std::pair{0, 3}, std::pair{3, 0}, std::pair{0, 0}}) {
        TestGrid t(cols, rows);
        t.host.repaints = 0;
        for (NavKey key : {NavKey::Left, NavKey::Right, NavKey::Up, NavKey::Down, NavKey::PageUp, NavKey::PageDown,
                           NavKey::Home, NavKey::End}) {
            t.grid.NavigateKey(key, false, false);
            t.grid.NavigateKey(key, true, true);
        }
        EXPECT_EQ(t.host.repaints, 0) << cols << "x" << rows;
        EXPECT_TRUE(t.host.curCellEvents.empty());
        EXPECT_EQ(t.grid.TopRow(), 0);
    }
}

TEST(GridKeys, AStepLeavesAMergedAreaAtOnce) {
    TestGrid t(6, 6);
    t.grid.MergeCells({2, 1, 3, 2});
    t.grid.SetCurCell({1, 1});
    t.grid.NavigateKey(NavKey::Right, false, false);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 1}));
    t.grid.NavigateKey(NavKey::Right, false, false);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{4, 1}));
    t.grid.NavigateKey(NavKey::Left, false, false);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 1}));
    t.grid.NavigateKey(NavKey::Down, false, false);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 3}));
    t.grid.NavigateKey(NavKey::Up, false, false);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 1}));
    EXPECT_EQ(t.SelectedCells(), (Cells{{2, 1}, {3, 1}, {2, 2}, {3, 2}}));
    t.grid.SetCurCell({3, 3});
    t.grid.NavigateKey(NavKey::Up, false, false);  // lands in the area: its master
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 1}));
}

TEST(GridKeys, ShiftMovesTheSelectionEdgeAwayFromTheCurrentCell) {
    struct Step {
        NavKey key;
        bool ctrl;
        GridRect selection;
    };
    BigGrid t(RangeSelect);
    t.grid.SetCurCell({3, 3});
    const Step steps[] = {
        {NavKey::Right, false, {3, 3, 4, 3}},   {NavKey::Right, false, {3, 3, 5, 3}},
        {NavKey::Left, false, {3, 3, 4, 3}},    {NavKey::Left, false, {3, 3, 3, 3}},
        {NavKey::Left, false, {2, 3, 3, 3}},    {NavKey::Right, false, {3, 3, 3, 3}},
        {NavKey::Down, false, {3, 3, 3, 4}},    {NavKey::Up, false, {3, 3, 3, 3}},
        {NavKey::Up, false, {3, 2, 3, 3}},      {NavKey::PageDown, false, {3, 3, 3, 6}},
        {NavKey::Home, false, {0, 3, 3, 6}},    {NavKey::End, true, {3, 3, 9, 29}},
        {NavKey::Home, true, {0, 0, 3, 3}},     {NavKey::Right, true, {3, 0, 9, 3}},
        {NavKey::Down, true, {3, 3, 9, 29}},    {NavKey::Up, true, {3, 0, 9, 3}},
    };
    for (const Step& s : steps) {
        t.grid.NavigateKey(s.key, s.ctrl, true);
        EXPECT_EQ(t.grid.Selection(), s.selection) << static_cast<int>(s.key) << (s.ctrl ? " with Ctrl" : "");
        EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{3, 3}));
        int selected = static_cast<int>(t.SelectedCells().size());
        EXPECT_EQ(selected, (s.selection.Right - s.selection.Left + 1) * (s.selection.Bottom - s.selection.Top + 1));
    }
}

TEST(GridKeys, ShiftScrollsTheMovedEdgeIntoView) {
    BigGrid t(RangeSelect);
    t.grid.SetCurCell({2, 2});
    for (int i = 0; i < 4; ++i) t.grid.NavigateKey(NavKey::Right, false, true);
    EXPECT_EQ(t.grid.Selection(), (GridRect{2, 2, 6, 2}));
    EXPECT_EQ(t.grid.LeftCol(), 4);  // scrolled when column 4 was reached
    t.grid.NavigateKey(NavKey::Down, true, true);
    EXPECT_EQ(t.grid.TopRow(), 25);
    // An edge coming back towards the current cell stays in view where it is.
    BigGrid back(RangeSelect);
    back.grid.SetCurCell({8, 2});
    for (int i = 0; i < 6; ++i) back.grid.NavigateKey(NavKey::Left, false, true);
    EXPECT_EQ(back.grid.LeftCol(), 2);
    back.grid.NavigateKey(NavKey::Right, false, true);
    EXPECT_EQ(back.grid.Selection(), (GridRect{3, 2, 8, 2}));
    EXPECT_EQ(back.grid.LeftCol(), 2);
}

TEST(GridKeys, WithoutRangeSelectShiftIsIgnored) {
    BigGrid t;
    t.grid.SetCurCell({2, 2});
    t.grid.NavigateKey(NavKey::Right, false, true);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{3, 2}));
    EXPECT_EQ(t.SelectedCells(), (Cells{{3, 2}}));
}

TEST(GridWheel, NotchesScrollRowsAndNeverMoveTheCurrentCell) {
    struct Case {
        int topRow;
        int delta;
        bool ctrl;
        int expected;
    } cases[] = {
        {5, 120, false, 4},  {5, -120, false, 6}, {5, 119, false, 5},  {5, -60, false, 5},
        {5, 360, false, 2},  {1, 360, false, 0},  {24, -240, false, 25}, {10, 120, true, 6},
        {10, -240, true, 18}, {2, 120, true, 0},
    };
    for (const Case& c : cases) {
        BigGrid t;
        t.grid.SetTopRow(c.topRow);
        t.grid.Wheel(c.delta, c.ctrl);
        EXPECT_EQ(t.grid.TopRow(), c.expected) << c.topRow << " " << c.delta << (c.ctrl ? " ctrl" : "");
        EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{0, 0}));
        EXPECT_EQ(t.grid.LeftCol(), 0);
    }
}

TEST(GridWheel, StoresAndClosesAnOpenEdit) {
    BigGrid t;
    t.host.editOpen = true;
    t.host.refuseEdit = true;
    t.grid.Wheel(-120, false);
    EXPECT_FALSE(t.host.editOpen);
    ASSERT_FALSE(t.host.endEdits.empty());
    EXPECT_EQ(t.host.endEdits.front(), std::make_pair(true, true));
}

TEST(GridScrollBars, RequestsMoveThePosition) {
    struct Case {
        Axis axis;
        ScrollRequest request;
        int thumb;
        int from;
        int expected;
    } cases[] = {
        {Axis::Rows, ScrollRequest::LineUp, 0, 0, 0},
        {Axis::Rows, ScrollRequest::LineUp, 0, 4, 3},
        {Axis::Rows, ScrollRequest::LineDown, 0, 4, 5},
        {Axis::Rows, ScrollRequest::LineDown, 0, 25, 25},
        {Axis::Rows, ScrollRequest::PageUp, 0, 10, 6},
        {Axis::Rows, ScrollRequest::PageUp, 0, 2, 0},
        {Axis::Rows, ScrollRequest::PageDown, 0, 10, 14},
        {Axis::Rows, ScrollRequest::PageDown, 0, 23, 25},
        {Axis::Rows, ScrollRequest::ThumbTrack, 17, 0, 17},
        {Axis::Rows, ScrollRequest::ThumbPosition, 99, 0, 25},
        {Axis::Rows, ScrollRequest::Top, 0, 9, 0},
        {Axis::Rows, ScrollRequest::Bottom, 0, 0, 25},
        {Axis::Cols, ScrollRequest::LineDown, 0, 0, 1},
        {Axis::Cols, ScrollRequest::PageDown, 0, 0, 3},
        {Axis::Cols, ScrollRequest::Bottom, 0, 0, 6},
        {Axis::Cols, ScrollRequest::ThumbTrack, -3, 2, 0},
    };
    for (const Case& c : cases) {
        BigGrid t;
        bool rows = c.axis == Axis::Rows;
        if (rows)
            t.grid.SetTopRow(c.from);
        else
            t.grid.SetLeftCol(c.from);
        t.grid.Scroll(c.axis, c.request, c.thumb);
        EXPECT_EQ(rows ? t.grid.TopRow() : t.grid.LeftCol(), c.expected)
            << (rows ? "rows " : "cols ") << static_cast<int>(c.request) << " from " << c.from;
        const GridScrollBar& bar = rows ? t.host.rowBar : t.host.colBar;
        EXPECT_EQ(bar, (GridScrollBar{rows ? 29 : 9, rows ? 5 : 4, c.expected}));
    }
}

TEST(GridScrollBars, AnEmptyGridStaysAtZero) {
    TestGrid t(3, 0);
    t.grid.Scroll(Axis::Rows, ScrollRequest::Bottom, 0);
    t.grid.Scroll(Axis::Rows, ScrollRequest::LineDown, 0);
    EXPECT_EQ(t.grid.TopRow(), 0);
}

TEST(GridMouse, ClickMovesTheCurrentCellAndDragDragsItAlong) {
    TestGrid t(3, 3);
    t.UseProgramLook();
    t.grid.MouseDown(At(200, 50), false);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{1, 1}));
    EXPECT_EQ(t.grid.Anchor(), (GridPoint{1, 1}));
    t.grid.MouseMove(At(300, 70));
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 2}));
    EXPECT_EQ(t.SelectedCells(), (Cells{{2, 2}}));
    t.grid.MouseUp();
    EXPECT_FALSE(t.grid.Dragging());
    size_t events = t.host.curCellEvents.size();
    t.grid.MouseMove(At(10, 30));  // no button: nothing
    EXPECT_EQ(t.host.curCellEvents.size(), events);
    t.grid.MouseDown(At(100, 10), false);  // caption row, not active: nothing
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 2}));
}

TEST(GridMouse, RangeSelectDragSelectsTheSpannedRectangle) {
    TestGrid t(3, 3, RangeSelect);
    t.UseProgramLook();
    t.grid.MouseDown(At(300, 70), false);
    t.grid.MouseMove(At(100, 30));
    EXPECT_EQ(t.grid.Selection(), (GridRect{0, 0, 2, 2}));
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{2, 2}));
    t.grid.MouseMove(At(200, 50));
    EXPECT_EQ(t.grid.Selection(), (GridRect{1, 1, 2, 2}));
    EXPECT_EQ(t.SelectedCells().size(), 4u);
    t.grid.MouseUp();
    // Ctrl keeps the earlier selection and adds the new one.
    t.grid.MouseDown(At(10, 30), true);
    EXPECT_EQ(t.SelectedCells(), (Cells{{0, 0}, {1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    t.grid.MouseUp();
    t.grid.MouseDown(At(10, 30), false);
    EXPECT_EQ(t.SelectedCells(), (Cells{{0, 0}}));
}

TEST(GridMouse, DraggingOutOfTheCellsScrollsOneStepPerMove) {
    BigGrid t;
    t.grid.MouseDown(At(40, 30), false);
    t.grid.MouseMove(At(1000, 1000));
    EXPECT_EQ(t.grid.TopRow(), 25);  // beyond the last row points at the last row
    EXPECT_EQ(t.grid.LeftCol(), 6);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{9, 29}));
    t.grid.MouseMove(At(5, 5));
    EXPECT_EQ(t.grid.TopRow(), 24);
    EXPECT_EQ(t.grid.LeftCol(), 5);
    EXPECT_EQ(t.grid.GetCurCell(), (GridPoint{5, 24}));
}

TEST(GridMouse, CornerClickSelectsEverythingWithRangeSelect) {
    TestGrid t(3, 3, RangeSelect | RowHeaderSelect | ColHeaderSelect);
    t.grid.MouseDown(At(30, 20), false);
    EXPECT_TRUE(t.grid.AllSelected());
    EXPECT_EQ(t.grid.Selection(), (GridRect{0, 0, 2, 2}));
    EXPECT_EQ(t.SelectedCells().size(), 9u);
    t.grid.MouseUp();
    t.host.editOpen = true;
    t.grid.MouseDown(At(100, 5), false);  // an active caption row: stores the edit, selects nothing
    EXPECT_EQ(t.host.endEdits.back(), std::make_pair(true, false));
    EXPECT_FALSE(t.grid.AllSelected());
    EXPECT_EQ(t.grid.Selection(), NoSelection);
    EXPECT_TRUE(t.SelectedCells().empty());
    EXPECT_TRUE(t.grid.Dragging());
    t.grid.MouseUp();
}

TEST(GridMouse, ClicksOnAnEmptyGridDoNothing) {
    TestGrid t(0, 0);
    t.grid.MouseDown(At(50, 50), false);
    EXPECT_FALSE(t.grid.Dragging());
    EXPECT_TRUE(t.host.curCellEvents.empty());
}

TEST(GridMouse, DoubleClickEditsOnlyInTheCurrentCellsArea) {
    TestGrid t(4, 4);
    t.grid.MergeCells({1, 1, 2, 2});
    t.grid.SetCurCell({1, 1});
    EXPECT_TRUE(t.grid.HitsCurCell(At(30 + 2 * 70 + 5, 20 + 2 * 20 + 5)));  // the area's last cell
    EXPECT_FALSE(t.grid.HitsCurCell(At(30 + 5, 20 + 20 + 5)));
    EXPECT_FALSE(t.grid.HitsCurCell(At(5, 5)));
}

}  // namespace
