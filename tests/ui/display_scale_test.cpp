#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "toolkit/gdi_handles.h"
#include "ui/main_form_fixture.h"

// Run at every DPI the tests' CMakeLists names, each in a prefix of its own (*AtAnyDpi*).

namespace {

int ScreenDpi() {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

int FontHeight(HFONT font) {
    LOGFONTW real{};
    GetObjectW(font, sizeof real, &real);
    return real.lfHeight;
}

// Every shown window in the tree under control, and where it is.
void CollectPlaces(const Control& control, std::vector<std::pair<HWND, DeviceRect>>& places) {
    for (int i = 0; i < control.ChildCount(); ++i) {
        if (!control.Child(i).IsVisible()) continue;
        places.emplace_back(control.Child(i).Window(), WindowPlace(control.Child(i).Window()));
        CollectPlaces(control.Child(i), places);
    }
}

TEST_F(MainFormTest, PlacesFontsAndAutoSizesScaleAtAnyDpi) {
    ASSERT_EQ(window->Scale().Dpi(), ScreenDpi());
    ExpectPlacedAt(window->Scale());
}

// The grid's sizes are its layout's, scaled; a click and the lines follow them.
TEST_F(MainFormTest, GridsMeasureHitAndPaintAtAnyDpi) {
    const DpiScale scale = window->Scale();
    PickNextFactory();
    XLGrid& grid = *(*form)[kMain].Grid;
    EXPECT_EQ(grid.DeviceSize(Axis::Cols, 0), scale(160_lpx));
    EXPECT_EQ(grid.DeviceSize(Axis::Rows, 0), scale(20_lpx));
    EXPECT_EQ(grid.DeviceHeaderSize(Axis::Rows), scale(20_lpx));
    EXPECT_EQ(FontHeight(grid.HeaderFont().Handle(scale)), scale(-11_lpx).Value);

    // A double click in the middle of the second row's price cell.
    const DeviceRect price = grid.CellRect(2, 1);
    const int middle = (price.Top + price.Bottom()).Value / 2;
    const LPARAM point = MAKELPARAM((price.Left + price.Right()).Value / 2, middle);
    HWND gridWindow = grid.AsControl().Window();
    SendMessageW(gridWindow, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(gridWindow, WM_LBUTTONUP, 0, point);
    SendMessageW(gridWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    EXPECT_EQ(grid.GetCurCell(), (GridPoint{2, 1}));
    ASSERT_EQ(grid.Editor(), form->PriceCellEditor);
    const DeviceRect editor = WindowPlace(form->PriceCellEditor->Window());
    EXPECT_EQ(editor.Top, price.Top);
    EXPECT_EQ(editor.Height, price.Height);
    grid.EndEdit(false, true);
    grid.SetCurCell({0, 0});

    // The line between the first two columns of an unselected row is one layout pixel
    // wide, scaled.
    const int width = grid.AsControl().ClientWidth().Value, height = grid.AsControl().ClientHeight().Value;
    WindowDc reference(gridWindow);
    OffscreenBitmap picture;
    picture.Resize(reference.Get(), width, height);
    grid.PaintGrid(picture.Dc());
    const COLORREF line = GetSysColor(COLOR_BTNSHADOW);
    const int boundary = grid.DeviceSize(Axis::Cols, 0).Value;
    int linePixels = 0;
    for (int x = boundary - 4; x <= boundary + 4; ++x) linePixels += GetPixel(picture.Dc(), x, middle) == line;
    EXPECT_EQ(linePixels, scale(1_lpx).Value);
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
    const std::string income = form->ResultLabels[kChainIncome]->Text();
    const int chosen = form->FactoryCombo->ItemIndex();
    std::vector<std::pair<HWND, DeviceRect>> homePlaces;
    CollectPlaces(*window, homePlaces);
    XLGrid& grid = *(*form)[kMain].Grid;
    grid.SetCurCell({2, 0});
    grid.BeginEdit();
    form->PriceCellEditor->SetText("777");
    for (int dpi : {home == 144 ? 96 : 144, home}) {
        const DpiScale scale(dpi);
        RECT suggested{40, 30, 40 + scale(800_lpx).Value, 30 + scale(700_lpx).Value};
        SendMessageW(window->Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        SCOPED_TRACE(dpi);
        EXPECT_EQ(window->Scale(), scale);
        EXPECT_EQ(WindowPlace(window->Window()).Left, 40_dpx);
        EXPECT_EQ(WindowPlace(window->Window()).Top, 30_dpx);
        ExpectPlacedAt(scale);
        EXPECT_EQ(form->FactoryCombo->ItemIndex(), chosen);
        EXPECT_EQ((*form)[kMain].SalePrice->Text(), "12345");
        EXPECT_EQ(grid.Cell(2, 0)->Text, "777");
        EXPECT_FALSE(form->PriceCellEditor->IsVisible());
        EXPECT_EQ(form->ResultLabels[kChainIncome]->Text(), income);
    }
    std::vector<std::pair<HWND, DeviceRect>> placesBack;
    CollectPlaces(*window, placesBack);
    EXPECT_EQ(placesBack, homePlaces);
}

}  // namespace
