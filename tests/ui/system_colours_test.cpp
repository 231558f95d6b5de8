#include <gtest/gtest.h>

#include <array>

#include "toolkit/gdi_handles.h"
#include "ui/main_form_fixture.h"

// The player switches to a high-contrast scheme while the window is up.

namespace {

constexpr std::array<int, 3> kChanged = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_HIGHLIGHT};
constexpr COLORREF kFace = RGB(0x20, 0x30, 0x40), kField = RGB(0x50, 0x10, 0x60), kHighlight = RGB(0x10, 0x70, 0x20);

// The scheme for as long as it lives; the old colours come back however the test ends, as
// under Wine they hold for every process of the session.
class HighContrast {
public:
    HighContrast() {
        for (std::size_t i = 0; i < kChanged.size(); ++i) saved_[i] = GetSysColor(kChanged[i]);
        const std::array<COLORREF, 3> scheme = {kFace, kField, kHighlight};
        SetSysColors(3, kChanged.data(), scheme.data());
    }
    ~HighContrast() { SetSysColors(3, kChanged.data(), saved_.data()); }
    HighContrast(const HighContrast&) = delete;
    HighContrast& operator=(const HighContrast&) = delete;

private:
    std::array<COLORREF, 3> saved_{};
};

// What the window shows at a point of a control's client area.
COLORREF Shown(const Control& control, int x, int y) {
    WindowDc dc(control.Window());
    return GetPixel(dc.Get(), x, y);
}

// A point inside a cell, clear of its lines, its focus frame and its text.
COLORREF ShownInCell(XLGrid& grid, int col, int row) {
    const DeviceRect cell = grid.CellRect(col, row);
    return Shown(grid.AsControl(), cell.Left.Value + 3, cell.Bottom().Value - 3);
}

TEST_F(MainFormTest, NewSystemColoursRepaintTheWindowItsBoxesAndGridsAtOnce) {
    PickNextFactory();
    UserClick(*(*form)[kSupport3].Check);
    window->SetVisible(true);
    UpdateWindow(window->Window());
    PumpMessages();
    {
        HighContrast scheme;
        PumpMessages();
        EditBox& box = *(*form)[kMain].SalePrice;
        EditBox& disabledBox = *(*form)[kSupport3].SalePrice;
        EXPECT_EQ(Shown(*window, 1, 1), kFace);
        EXPECT_EQ(Shown(box, box.ClientWidth().Value - 2, box.ClientHeight().Value / 2), kField);
        EXPECT_EQ(Shown(disabledBox, disabledBox.ClientWidth().Value - 2, disabledBox.ClientHeight().Value / 2), kFace);
        EXPECT_EQ(ShownInCell(*(*form)[kMain].Grid, 0, 0), kHighlight) << "the current cell";
        EXPECT_EQ(ShownInCell(*(*form)[kMain].Grid, 0, 1), kField);
        EXPECT_EQ(ShownInCell(*(*form)[kSupport3].Grid, 0, 1), kField) << "a disabled grid";
    }
    window->SetVisible(false);
    PumpMessages();
}

}  // namespace
