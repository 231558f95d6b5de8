#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "toolkit/gdi_handles.h"
#include "ui/main_form_fixture.h"
#include "ui/main_form_rows.h"

// Run at every DPI the tests' CMakeLists names, each in a prefix of its own (*AtAnyDpi*).

namespace {

using namespace main_form_rows;

int ScreenDpi() {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

int HandleHeight(const Font& font) {
    LOGFONTW real{};
    GetObjectW(font.Handle(), sizeof real, &real);
    return real.lfHeight;
}

void ExpectNear(int actual, int layout, DpiScale scale, const char* what) {
    EXPECT_LE(std::abs(actual - scale(layout)), 2) << what << ": " << layout << " at " << scale.Dpi();
}

// The window's size, every control's place and fixed size, and every font at scale.
void ExpectLaidOutAt(DpiScale scale, Form& window, MainForm& form) {
    EXPECT_EQ(window.ClientWidth(), scale(kClientWidth));
    EXPECT_EQ(window.ClientHeight(), scale(kClientHeight));
    EXPECT_EQ(HandleHeight(window.GetFont()), scale(kFontHeight));
    for (const ControlRow& row : kRows) {
        Control& control = row.control->find(form);
        SCOPED_TRACE(row.text);
        ExpectNear(control.Left(), row.left, scale, "left");
        ExpectNear(control.Top(), row.top, scale, "top");
        if (row.width != kAuto) ExpectNear(control.Width(), row.width, scale, "width");
        if (row.height != kAuto) ExpectNear(control.Height(), row.height, scale, "height");
        EXPECT_EQ(HandleHeight(control.GetFont()), scale(kFontHeight));
        // A label grows with its font: it is at least as high as the font's pixels.
        if (row.height == kAuto && *row.text) {
            EXPECT_GE(control.Height(), -scale(kFontHeight));
        }
    }
    for (const FactoryBlock& block : form.Factories) EXPECT_EQ(block.Grid->Scale(), scale);
}

TEST_F(MainFormTest, PlacesFontsAndAutoSizesScaleAtAnyDpi) {
    ASSERT_EQ(window->Scale().Dpi(), ScreenDpi());
    ExpectLaidOutAt(window->Scale(), *window, *form);
}

// The grid's sizes are its layout's, scaled; a click and the lines follow them.
TEST_F(MainFormTest, GridsMeasureHitAndPaintAtAnyDpi) {
    const DpiScale scale = window->Scale();
    PickNextFactory();
    XLGrid& grid = *(*form)[kMain].Grid;
    grid.SetScale(DpiScale());
    const int layoutCol0 = grid.ColWidth(0), layoutRow0 = grid.RowHeight(0), layoutHeader = grid.ColHeaderHeight();
    grid.SetScale(scale);
    EXPECT_EQ(grid.ColWidth(0), scale(layoutCol0));
    EXPECT_EQ(grid.RowHeight(0), scale(layoutRow0));
    EXPECT_EQ(grid.ColHeaderHeight(), scale(layoutHeader));
    EXPECT_EQ(HandleHeight(grid.HeaderFont()), scale(kFontHeight));

    // A double click in the middle of the second row's price cell.
    const GridRect price = grid.CellRect(2, 1);
    const LPARAM point = MAKELPARAM((price.Left + price.Right) / 2, (price.Top + price.Bottom) / 2);
    HWND gridWindow = grid.AsControl().Window();
    SendMessageW(gridWindow, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(gridWindow, WM_LBUTTONUP, 0, point);
    SendMessageW(gridWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    EXPECT_EQ(grid.GetCurCell(), (GridPoint{2, 1}));
    ASSERT_EQ(grid.Editor(), form->PriceCellEditor);
    EXPECT_EQ(form->PriceCellEditor->Top(), price.Top);
    EXPECT_EQ(form->PriceCellEditor->Height(), price.Bottom - price.Top);
    grid.EndEdit(false, true);
    grid.SetCurCell({0, 0});

    // The line between the first two columns of an unselected row is one layout pixel
    // wide, scaled.
    const int width = grid.AsControl().ClientWidth(), height = grid.AsControl().ClientHeight();
    WindowDc reference(gridWindow);
    OffscreenBitmap picture;
    picture.Resize(reference.Get(), width, height);
    grid.PaintGrid(picture.Dc());
    const COLORREF line = GetSysColor(COLOR_BTNSHADOW);
    const int boundary = grid.ColWidth(0), middle = (price.Top + price.Bottom) / 2;
    int linePixels = 0;
    for (int x = boundary - 4; x <= boundary + 4; ++x) linePixels += GetPixel(picture.Dc(), x, middle) == line;
    EXPECT_EQ(linePixels, scale(1));
    EXPECT_EQ(GetPixel(picture.Dc(), boundary, middle), line) << "the column on the right takes the larger half";
}

// A move to a display of another DPI and back: the places follow and come back exactly,
// the work stays, and a price being typed is stored.
TEST_F(MainFormTest, MovingToAnotherDisplayRescalesInPlaceAndKeepsTheWork) {
    const int home = window->Scale().Dpi();
    PickNextFactory();
    form->ResourceMaxButton->Click();
    (*form)[kMain].SalePrice->SetText("12345");
    form->CalcButton->Click();
    const std::string income = form->ChainIncomeLabel->Text();
    const int chosen = form->FactoryCombo->ItemIndex();
    std::vector<Bounds> homePlaces;
    for (const ControlRow& row : kRows) homePlaces.push_back(row.control->find(*form).Place());
    XLGrid& grid = *(*form)[kMain].Grid;
    grid.SetCurCell({2, 0});
    grid.BeginEdit();
    form->PriceCellEditor->SetText("777");
    for (int dpi : {home == 144 ? 96 : 144, home}) {
        const DpiScale scale(dpi);
        RECT suggested{40, 30, 40 + scale(800), 30 + scale(700)};
        SendMessageW(window->Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        SCOPED_TRACE(dpi);
        EXPECT_EQ(window->Scale(), scale);
        EXPECT_EQ(window->Left(), 40);
        EXPECT_EQ(window->Top(), 30);
        ExpectLaidOutAt(scale, *window, *form);
        EXPECT_EQ(form->FactoryCombo->ItemIndex(), chosen);
        EXPECT_EQ((*form)[kMain].SalePrice->Text(), "12345");
        EXPECT_EQ(grid.Cell(2, 0)->Text, "777");
        EXPECT_FALSE(form->PriceCellEditor->IsVisible());
        EXPECT_EQ(form->ChainIncomeLabel->Text(), income);
    }
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Bounds& now = kRows[i].control->find(*form).Place();
        const Bounds& before = homePlaces[i];
        EXPECT_TRUE(now.Left == before.Left && now.Top == before.Top && now.Width == before.Width &&
                    now.Height == before.Height)
            << kRows[i].text;
    }
}

}  // namespace
