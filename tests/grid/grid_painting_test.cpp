#include <gtest/gtest.h>

#include "grid/grid_window_fixture.h"

namespace {

// The grid big enough to show its three columns and rows whole, painted into a picture.
class GridPaintingTest : public GridWindowTest {
protected:
    GridPaintingTest() {
        grid_.AsControl().Resize(400_lpx, 150_lpx);
        PumpMessages();
    }

    int Width() const { return grid_.AsControl().ClientWidth().Value; }
    int Height() const { return grid_.AsControl().ClientHeight().Value; }
    std::unique_ptr<Picture> Paint(COLORREF fill = RGB(1, 2, 3)) {
        auto picture = std::make_unique<Picture>(Width(), Height(), fill);
        SendMessageW(GridWindow(), WM_PAINT, reinterpret_cast<WPARAM>(picture->Dc()), 0);
        return picture;
    }
    RECT TextArea(int col, int row) const {
        const DeviceRect r = grid_.CellRect(col, row);
        return {r.Left.Value + 2, r.Top.Value + 2, r.Right().Value - 2, r.Bottom().Value - 2};
    }
};

TEST_F(GridPaintingTest, LinesLieRightOfAndBelowEachCellOnly) {
    auto p = Paint();
    const COLORREF line = Sys(COLOR_BTNSHADOW), window = Sys(COLOR_WINDOW);
    struct Case {
        int x, y;
        COLORREF colour;
        const char* what;
    } cases[] = {
        {160, 50, line, "line between columns 0 and 1, painted by column 1"},
        {159, 50, window, "column 0 paints no right line"},
        {0, 50, window, "no line left of column 0"},
        {230, 50, line, "line between columns 1 and 2"},
        {329, 50, line, "right line of the last column"},
        {330, 50, window, "background right of the cells"},
        {200, 60, line, "line between rows 1 and 2"},
        {200, 59, window, "row 1 paints no bottom line"},
        {200, 20, window, "no line above row 0"},
        {200, 79, line, "bottom line of the last row"},
        {200, 80, window, "background below the cells"},
        {5, 10, Sys(COLOR_BTNFACE), "caption row"},
    };
    for (const Case& c : cases) EXPECT_EQ(p->Pixel(c.x, c.y), c.colour) << c.what;
}

TEST_F(GridPaintingTest, TheCurrentCellIsHighlightedWithItsOwnTextColour) {
    grid_.Cell(0, 0)->SetText("ЖЖЖЖ");
    grid_.Cell(1, 1)->SetText("ЖЖЖЖ");
    auto p = Paint();
    const COLORREF highlight = Sys(COLOR_HIGHLIGHT), window = Sys(COLOR_WINDOW);
    EXPECT_EQ(p->Pixel(150, 30), highlight);
    EXPECT_GT(p->Ink(TextArea(0, 0), highlight, Sys(COLOR_HIGHLIGHTTEXT)), 20);
    EXPECT_EQ(p->Ink(TextArea(0, 0), highlight, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_EQ(p->Pixel(225, 50), window);
    EXPECT_GT(p->Ink(TextArea(1, 1), window, Sys(COLOR_WINDOWTEXT)), 20);
    // The dotted focus rectangle runs along the inside of the lines: every other pixel.
    EXPECT_EQ(p->Count({0, 20, 160, 21}, Sys(COLOR_HIGHLIGHT)), 80);

    grid_.AsControl().Focus();
    Key(VK_RIGHT);
    auto after = Paint();
    EXPECT_EQ(after->Pixel(150, 30), window);
    EXPECT_EQ(after->Pixel(225, 30), highlight);
    EXPECT_GT(after->Ink(TextArea(0, 0), window, Sys(COLOR_WINDOWTEXT)), 20);
}

TEST_F(GridPaintingTest, TheCurrentColumnsCaptionIsBoldAndRaised) {
    auto ink = [](const Picture& p, RECT r) {
        return (r.right - r.left) * (r.bottom - r.top) - p.Count(r, Sys(COLOR_BTNFACE));
    };
    const RECT caption{3, 3, 157, 17};
    auto current = Paint();
    grid_.SetCurCell({1, 0});
    auto other = Paint();
    EXPECT_GT(ink(*current, caption), ink(*other, caption) + 5);
    EXPECT_GT(ink(*other, caption), 0);
    // EDGE_RAISED has a dark outer shadow; the plain inner edge has none.
    EXPECT_EQ(current->Pixel(159, 19), Sys(COLOR_3DDKSHADOW));
    EXPECT_NE(other->Pixel(159, 19), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(other->Pixel(229, 19), Sys(COLOR_3DDKSHADOW));
}

TEST_F(GridPaintingTest, ColoursComeFromTheGridAndTheCells) {
    GridColors colors = grid_.Colors();
    colors.SelectColor = RGB(200, 0, 0);
    colors.HeaderColor = RGB(0, 200, 0);
    grid_.SetColors(colors);
    grid_.Cell(1, 1)->Color = RGB(0, 0, 200);
    grid_.Cell(1, 1)->Lines.Right.Color = RGB(250, 250, 0);
    auto p = Paint();
    EXPECT_EQ(p->Pixel(150, 30), RGB(200, 0, 0));
    EXPECT_EQ(p->Pixel(5, 10), RGB(0, 200, 0));
    EXPECT_EQ(p->Pixel(200, 50), RGB(0, 0, 200));
    // The line right of cell (1, 1) is the neighbour's left line: one pixel, its colour.
    EXPECT_EQ(p->Pixel(230, 50), Sys(COLOR_BTNSHADOW));
    grid_.Cell(2, 1)->Lines.Left.Color = RGB(250, 250, 0);
    EXPECT_EQ(Paint()->Pixel(230, 50), RGB(250, 250, 0));
}

TEST_F(GridPaintingTest, AnEmptyGridPaintsOnlyItsBackground) {
    grid_.SetRowCount(0);
    auto p = Paint();
    EXPECT_TRUE(p->AllAre({0, 0, Width(), Height()}, Sys(COLOR_WINDOW)));
    grid_.SetRowCount(2);
    grid_.SetColCount(0);
    auto q = Paint();
    EXPECT_TRUE(q->AllAre({0, 0, Width(), Height()}, Sys(COLOR_WINDOW)));
}

TEST_F(GridPaintingTest, NothingIsPaintedWhileAnUpdateIsOpen) {
    const COLORREF marker = RGB(1, 2, 3);
    grid_.BeginUpdate();
    auto p = Paint(marker);
    EXPECT_TRUE(p->AllAre({0, 0, Width(), Height()}, marker));
    grid_.EndUpdate();
    auto q = Paint(marker);
    EXPECT_EQ(q->Count({0, 0, Width(), Height()}, marker), 0);
    grid_.EndUpdate();  // one too many: the count stays at 0
    EXPECT_EQ(grid_.UpdateCount(), 0);
}

TEST_F(GridPaintingTest, AMergedAreaHasNoLinesInside) {
    grid_.MergeCells({0, 1, 1, 1});
    auto p = Paint();
    EXPECT_EQ(p->Pixel(160, 50), Sys(COLOR_WINDOW));
    EXPECT_EQ(p->Pixel(230, 50), Sys(COLOR_BTNSHADOW));
}

TEST_F(GridPaintingTest, WideLinesAreSplitBetweenNeighbours) {
    grid_.SetRightLineWidth(3_lpx);
    auto p = Paint();
    // w = 3: column 1 paints two pixels of the line, column 0 one.
    const COLORREF line = Sys(COLOR_BTNSHADOW);
    EXPECT_EQ(p->Pixel(158, 50), Sys(COLOR_WINDOW));
    EXPECT_EQ(p->Pixel(159, 50), line);
    EXPECT_EQ(p->Pixel(160, 50), line);
    EXPECT_EQ(p->Pixel(161, 50), line);
    EXPECT_EQ(p->Pixel(162, 50), Sys(COLOR_WINDOW));
}

TEST_F(GridPaintingTest, RightAlignedTextSitsAtTheRight) {
    XLGridCell& cell = *grid_.Cell(1, 1);
    cell.HAlign = HAlignment::Right;
    cell.SetText("Ж");
    auto p = Paint();
    EXPECT_EQ(p->Ink({161, 41, 195, 59}, Sys(COLOR_WINDOW), Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(p->Ink({195, 41, 229, 59}, Sys(COLOR_WINDOW), Sys(COLOR_WINDOWTEXT)), 0);
}

struct OwnerDraw {
    int cells = 0;
    int headers = 0;
    RECT lastRect{};
    void Cell(XLGrid&, int, int, XLGridCell* cell, Canvas&, const RECT& rect, bool, bool, bool& handled) {
        ++cells;
        if (cell && cell->Text == "hidden") {
            handled = true;
            lastRect = rect;
        }
    }
    void Header(XLGrid&, int, int row, XLGridCell* cell, Canvas&, const RECT&, bool, bool, bool&) {
        if (!cell && row == -1) ++headers;
    }
};

TEST_F(GridPaintingTest, OwnerDrawnCellsKeepTheirTextUndrawn) {
    OwnerDraw draw;
    grid_.OnDrawCell = MakeEvent<&OwnerDraw::Cell>(draw);
    grid_.OnDrawHeader = MakeEvent<&OwnerDraw::Header>(draw);
    grid_.Cell(1, 1)->SetText("hidden");
    auto p = Paint();
    EXPECT_EQ(p->Ink(TextArea(1, 1), Sys(COLOR_WINDOW), Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_EQ(draw.lastRect.left, 161);  // inside the cell's left line
    EXPECT_EQ(draw.lastRect.top, 41);
    EXPECT_EQ(draw.cells, 10);  // nine cells and the current one again
    EXPECT_EQ(draw.headers, 3);
}

TEST_F(GridPaintingTest, RowHeadersAndCornerShowWhenGivenAWidth) {
    grid_.SetRowHeaderWidth(30_lpx);
    grid_.SetRowCaption(1, "2");
    auto p = Paint();
    EXPECT_EQ(p->Pixel(15, 5), Sys(COLOR_BTNFACE));
    EXPECT_EQ(p->Pixel(5, 50), Sys(COLOR_BTNFACE));
    EXPECT_GT(p->Ink({3, 43, 27, 57}, Sys(COLOR_BTNFACE), Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_EQ(p->Pixel(30 + 150, 30), Sys(COLOR_HIGHLIGHT));  // cells start right of the headers
}

TEST_F(GridPaintingTest, WithoutHighlightSelectedCellsAreInvertedAndTheFrameIsThick) {
    grid_.SetHighlightSelection(0);
    grid_.SetOptions(RangeSelect);
    grid_.SelectRange({0, 0, 1, 1});
    auto p = Paint();
    EXPECT_EQ(p->Pixel(200, 50), Sys(COLOR_WINDOW) ^ RGB(255, 255, 255)) << "selected cell (1, 1) inverted";
    EXPECT_EQ(p->Pixel(100, 30), Sys(COLOR_WINDOW)) << "the current cell is not filled";
    EXPECT_EQ(p->Pixel(200, 70), Sys(COLOR_WINDOW)) << "row 2 is not selected";
    // The inverting frame runs round the selection, 5 pixels wide.
    int inverted = 0;
    for (int y = 55; y < 68; ++y) inverted += p->Pixel(100, y) == RGB(0, 0, 0);
    EXPECT_GE(inverted, 4);
    EXPECT_LE(inverted, 6);
}

}  // namespace
