#include <gtest/gtest.h>

#include "grid/grid_window_fixture.h"

namespace {

using Cells = std::vector<GridPoint>;

TEST_F(GridWindowTest, NewGridIsAZelGridWindowWithTheStyleItAsksFor) {
    wchar_t className[32] = {};
    GetClassNameW(GridWindow(), className, 32);
    EXPECT_STREQ(className, L"zelGrid");
    EXPECT_EQ(GetClassLongW(GridWindow(), GCL_STYLE) & 0xB, 0xBu);
    LONG style = GetWindowLongW(GridWindow(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_FALSE(style & WS_BORDER);  // the main window takes it away
    EXPECT_EQ(grid_.AsControl().Color(), kWindowColour);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 0}));
    EXPECT_TRUE(grid_.IsSelected(0, 0));
    EXPECT_FALSE(grid_.IsSelected(1, 0));
    EXPECT_EQ(grid_.GetColCaption(2), "Цена покупки");
    EXPECT_EQ(grid_.Cell(1, 2)->Font.FaceName(), "Tahoma");
}

TEST_F(GridWindowTest, ClicksAddressTheColumnLeftOfAnEdgeAndTheLastBeyondTheCells) {
    const LayoutPx narrow[] = {50_lpx, 50_lpx, 50_lpx};
    grid_.SetColWidths(narrow);
    struct Case {
        int x;
        int col;
    } cases[] = {{25, 0}, {50, 0}, {51, 1}, {100, 1}, {101, 2}, {150, 2}, {151, 2}, {250, 2}};
    for (const Case& c : cases) {
        Click(c.x, 50);
        EXPECT_EQ(grid_.GetCurCell().Col, c.col) << "x " << c.x;
    }
    Click(30, 40);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 0}));
    Click(30, 41);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 1}));
}

TEST_F(GridWindowTest, VisibleCountsFollowTheClientAndStayAtLeastOne) {
    Control& control = grid_.AsControl();
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(control.ClientWidth().Value, 331 - scrollBar);
    EXPECT_EQ(grid_.VisibleColCount(), 2);  // the third column ends under the scroll bar
    control.Resize(60_lpx, 0_lpx);
    PumpMessages();
    EXPECT_EQ(grid_.VisibleColCount(), 1);
    control.Resize(400_lpx, 200_lpx);
    PumpMessages();
    EXPECT_EQ(grid_.VisibleColCount(), 3);
    EXPECT_EQ(grid_.VisibleRowCount(), 3);
}

TEST_F(GridWindowTest, ScrollBarsShowCountsPagesAndPositions) {
    grid_.SetRowCount(10);
    PumpMessages();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(GridWindow(), SB_VERT, &info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 9);
    EXPECT_EQ(static_cast<int>(info.nPage), grid_.VisibleRowCount());
    Send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(grid_.TopRow(), 1);
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5));
    EXPECT_EQ(grid_.TopRow(), 5);
    Send(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(grid_.TopRow(), 10 - grid_.VisibleRowCount());
    GetScrollInfo(GridWindow(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, grid_.TopRow());
    Send(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(grid_.LeftCol(), 1);
    Send(WM_HSCROLL, SB_TOP);
    EXPECT_EQ(grid_.LeftCol(), 0);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 0}));  // scrolling never moves the current cell
}

TEST_F(GridWindowTest, ArrowKeysMoveAndStopAtTheEdges) {
    grid_.AsControl().Focus();
    struct Step {
        int key;
        GridPoint cell;
    } steps[] = {
        {VK_UP, {0, 0}},   {VK_LEFT, {0, 0}},  {VK_RIGHT, {1, 0}}, {VK_RIGHT, {2, 0}}, {VK_RIGHT, {2, 0}},
        {VK_DOWN, {2, 1}}, {VK_DOWN, {2, 2}},  {VK_DOWN, {2, 2}},  {VK_HOME, {0, 2}},  {VK_END, {2, 2}},
        {VK_PRIOR, {2, 1}}, {VK_NEXT, {2, 2}},  // two rows fit above the scroll bar: a page is one row
    };
    for (const Step& s : steps) {
        Key(s.key);
        EXPECT_EQ(grid_.GetCurCell(), s.cell) << "key " << s.key;
        EXPECT_EQ(grid_.UpdateCount(), 0);
    }
}

TEST_F(GridWindowTest, CtrlKeysJumpAndOtherCtrlKeysAreIgnored) {
    grid_.SetRowCount(12);
    grid_.SetCurCell({1, 1});
    {
        HeldKeys ctrl{VK_CONTROL};
        Key(VK_END);
        EXPECT_EQ(grid_.GetCurCell(), (GridPoint{2, 11}));
        EXPECT_EQ(grid_.TopRow(), 12 - grid_.VisibleRowCount());
        Key(VK_UP);
        EXPECT_EQ(grid_.GetCurCell(), (GridPoint{2, 0}));
        Key(VK_NEXT);
        EXPECT_EQ(grid_.GetCurCell(), (GridPoint{2, 0}));
        Key(VK_LEFT);
        EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 0}));
    }
    Key(VK_NEXT);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, grid_.VisibleRowCount() - 1}));
}

TEST_F(GridWindowTest, ShiftExtendsTheSelectionOnlyWithRangeSelect) {
    {
        HeldKeys shift{VK_SHIFT};
        Key(VK_RIGHT);
    }
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{1, 0}));
    grid_.SetOptions(RangeSelect);
    {
        HeldKeys shift{VK_SHIFT};
        Key(VK_DOWN);
        Key(VK_RIGHT);
    }
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{1, 0}));
    EXPECT_EQ(grid_.GetSelRect(), (GridRect{1, 0, 2, 1}));
    EXPECT_TRUE(grid_.IsSelected(2, 1));
    Key(VK_LEFT);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 0}));
    EXPECT_FALSE(grid_.IsSelected(2, 1));
}

TEST_F(GridWindowTest, KeysOnAnEmptyGridTouchNothing) {
    grid_.SetRowCount(0);
    int changes = 0;
    struct Counter {
        int* count;
        void Changed(XLGrid&, int, int) { ++*count; }
    } counter{&changes};
    grid_.OnCurCellChange = MakeEvent<&Counter::Changed>(counter);
    for (int key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_RETURN, VK_F2}) Key(key);
    Click(50, 50);
    Wheel(-120);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid_.TopRow(), 0);
    EXPECT_EQ(grid_.Editor(), nullptr);
}

TEST_F(GridWindowTest, WheelScrollsRowsAndCtrlPages) {
    grid_.SetRowCount(20);
    grid_.AsControl().Resize(331_lpx, LayoutPx(20 + 5 * 20 + 10 + GetSystemMetrics(SM_CYHSCROLL)));
    PumpMessages();
    ASSERT_EQ(grid_.VisibleRowCount(), 5);
    Wheel(-120);
    EXPECT_EQ(grid_.TopRow(), 1);
    Wheel(-60);
    EXPECT_EQ(grid_.TopRow(), 1);
    Wheel(-240, MK_CONTROL);
    EXPECT_EQ(grid_.TopRow(), 9);
    Wheel(120);
    EXPECT_EQ(grid_.TopRow(), 8);
    Wheel(1200);
    EXPECT_EQ(grid_.TopRow(), 0);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 0}));
}

TEST_F(GridWindowTest, ClickAndDragRaiseCurrentCellAndSelectionEvents) {
    struct Recorder {
        Cells cells;
        std::vector<GridRect> selections;
        void Cur(XLGrid&, int col, int row) { cells.push_back({col, row}); }
        void Sel(XLGrid&, const GridRect& r) { selections.push_back(r); }
    } recorder;
    grid_.OnCurCellChange = MakeEvent<&Recorder::Cur>(recorder);
    grid_.OnSelectionChange = MakeEvent<&Recorder::Sel>(recorder);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(200, 30));
    EXPECT_EQ(GetCapture(), GridWindow());
    EXPECT_EQ(GetFocus(), GridWindow());
    Send(WM_MOUSEMOVE, MK_LBUTTON, Point(200, 50));
    Send(WM_LBUTTONUP, 0, Point(200, 50));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(recorder.cells, (Cells{{1, 0}, {1, 1}}));
    ASSERT_FALSE(recorder.selections.empty());
    EXPECT_EQ(recorder.selections.back(), (GridRect{1, 1, 1, 1}));
    Send(WM_MOUSEMOVE, 0, Point(10, 30));  // no drag any more
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{1, 1}));
}

TEST_F(GridWindowTest, SizeChangesReachTheScrollBars) {
    grid_.SetRowCount(10);
    grid_.AsControl().Resize(331_lpx, 200_lpx);
    PumpMessages();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(GridWindow(), SB_VERT, &info);
    EXPECT_EQ(static_cast<int>(info.nPage), grid_.VisibleRowCount());
    EXPECT_GT(grid_.VisibleRowCount(), 3);
}

}  // namespace

namespace {

TEST_F(GridWindowTest, TheControlsFontReachesEveryCellOldAndNew) {
    grid_.Cell(1, 1)->Font.SetHeight(-20_lpx);
    grid_.AsControl().GetFont().SetHeight(-15_lpx);
    grid_.SetColCount(4);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) EXPECT_EQ(grid_.Cell(col, row)->Font.Height(), -15_lpx) << col << "," << row;
    EXPECT_EQ(grid_.UpdateCount(), 0);
}

struct LentEditor {
    Control* editor = nullptr;
    void Begin(XLGrid&, int, int, Control*& lent, EditBox*&, LayoutSides&) { lent = editor; }
};

TEST_F(GridWindowTest, AnActiveCaptionClickStoresTheEditAndSelectsNothing) {
    LentEditor lent{editor_};
    grid_.SetOnBeginEdit(MakeEvent<&LentEditor::Begin>(lent));
    grid_.SetOptions(ColHeaderSelect);
    grid_.AsControl().Focus();
    Key(VK_RETURN);
    ASSERT_EQ(grid_.Editor(), editor_);
    editor_->SetText("5");
    Click(100, 10);
    EXPECT_EQ(CellText(0, 0), "5");
    EXPECT_EQ(grid_.Editor(), nullptr);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 0}));
    EXPECT_FALSE(grid_.IsSelected(0, 0));
}

}  // namespace
