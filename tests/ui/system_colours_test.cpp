#include <gtest/gtest.h>

#include <array>

#include "toolkit/gdi_handles.h"
#include "ui/main_form_fixture.h"

// The player switches to a high-contrast scheme while the window is up.

namespace {

// New system colours for as long as it lives; the old ones come back however the test
// ends, as under Wine they hold for every process of the session.
class SystemColours {
public:
    explicit SystemColours(const std::array<std::pair<int, COLORREF>, 3>& colours) {
        std::array<COLORREF, 3> wanted{};
        for (std::size_t i = 0; i < colours.size(); ++i) {
            indices_[i] = colours[i].first;
            saved_[i] = GetSysColor(indices_[i]);
            wanted[i] = colours[i].second;
        }
        SetSysColors(3, indices_.data(), wanted.data());
    }
    ~SystemColours() { SetSysColors(3, indices_.data(), saved_.data()); }
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

private:
    std::array<int, 3> indices_{};
    std::array<COLORREF, 3> saved_{};
};

// What the window shows at a point of a control's client area.
COLORREF Shown(const Control& control, int x, int y) {
    WindowDc dc(control.Window());
    return GetPixel(dc.Get(), x, y);
}

// A point inside a cell, clear of its lines, its focus frame and its text.
COLORREF ShownInCell(XLGrid& grid, int col, int row) {
    const GridRect cell = grid.CellRect(col, row);
    return Shown(grid.AsControl(), cell.Left + 3, cell.Bottom - 3);
}

TEST_F(MainFormTest, NewSystemColoursRepaintTheWindowItsBoxesAndGridsAtOnce) {
    PickNextFactory();
    UserClick(*(*form)[kSupport3].Check);
    window->SetVisible(true);
    UpdateWindow(window->Window());
    PumpMessages();
    constexpr COLORREF face = RGB(0x20, 0x30, 0x40), field = RGB(0x50, 0x10, 0x60), highlight = RGB(0x10, 0x70, 0x20);
    {
        SystemColours scheme({{{COLOR_BTNFACE, face}, {COLOR_WINDOW, field}, {COLOR_HIGHLIGHT, highlight}}});
        PumpMessages();
        XLGrid& grid = *(*form)[kMain].Grid;
        XLGrid& disabled = *(*form)[kSupport3].Grid;
        EditBox& box = *(*form)[kMain].SalePrice;
        EditBox& disabledBox = *(*form)[kSupport3].SalePrice;
        EXPECT_EQ(Shown(*window, 1, 1), face);
        EXPECT_EQ(Shown(box, box.ClientWidth() - 2, box.ClientHeight() / 2), field);
        EXPECT_EQ(Shown(disabledBox, disabledBox.ClientWidth() - 2, disabledBox.ClientHeight() / 2), face);
        EXPECT_EQ(ShownInCell(grid, 0, 0), highlight) << "the current cell";
        EXPECT_EQ(ShownInCell(grid, 0, 1), field);
        EXPECT_EQ(ShownInCell(disabled, 0, 1), field);
    }
    window->SetVisible(false);
    PumpMessages();
}

}  // namespace
