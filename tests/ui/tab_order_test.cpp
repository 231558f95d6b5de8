#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/main_form_fixture.h"

namespace {

// The window shown, as only a shown window's controls take the focus.
class TabOrderTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        ShowForKeys();
        form->FactoryCombo->Focus();
        PumpMessages();
    }

    // The user presses Tab (or Shift+Tab) on the control that holds the focus.
    void PressTab(bool shift = false) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        PumpMessages();
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    void TypeDigits(const std::string& digits) {
        for (char digit : digits) PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(digit), 0);
        PumpMessages();
    }

    // The controls the focus visits from the factory list until it comes back to it.
    std::vector<HWND> Cycle(bool shift = false) {
        std::vector<HWND> visited;
        for (int i = 0; i < 40; ++i) {
            PressTab(shift);
            visited.push_back(GetFocus());
            if (GetFocus() == form->FactoryCombo->Window()) break;
        }
        return visited;
    }

    std::vector<HWND> Windows(std::initializer_list<Control*> controls) {
        std::vector<HWND> windows;
        for (Control* control : controls) windows.push_back(control->Window());
        return windows;
    }

    std::vector<HWND> FullOrder() {
        return Windows({(*form)[kMain].SalePrice, &(*form)[kMain].Grid->AsControl(), form->CalcButton,
                        form->ManualPricesCheck, (*form)[kSupport1].Check, (*form)[kSupport1].SalePrice,
                        &(*form)[kSupport1].Grid->AsControl(), (*form)[kSupport2].Check, (*form)[kSupport2].SalePrice,
                        &(*form)[kSupport2].Grid->AsControl(), (*form)[kSupport3].Check, (*form)[kSupport3].SalePrice,
                        &(*form)[kSupport3].Grid->AsControl(), form->ResourceMinButton, form->ResourceAvgButton,
                        form->ResourceMaxButton, form->ProductMinButton, form->ProductAvgButton,
                        form->ProductMaxButton, form->CloseButton, form->AboutButton, form->FactoryCombo});
    }
};

TEST_F(TabOrderTest, BeforeAFactoryIsChosenTheDisabledAreasAreSkipped) {
    ASSERT_EQ(GetFocus(), form->FactoryCombo->Window());
    EXPECT_EQ(Cycle(), Windows({(*form)[kMain].SalePrice, &(*form)[kMain].Grid->AsControl(), form->ManualPricesCheck,
                                form->CloseButton, form->AboutButton, form->FactoryCombo}));
}

TEST_F(TabOrderTest, TabVisitsEveryAreaInReadingOrderAndShiftTabGoesBack) {
    PickNextFactory();
    form->FactoryCombo->Focus();
    std::vector<HWND> forward = FullOrder();
    EXPECT_EQ(Cycle(), forward);

    std::vector<HWND> backward(forward.rbegin() + 1, forward.rend());
    backward.push_back(form->FactoryCombo->Window());
    EXPECT_EQ(Cycle(true), backward);
}

TEST_F(TabOrderTest, AnUncheckedSupportBlockKeepsOnlyItsCheckBox) {
    PickNextFactory();
    UserClick(*(*form)[kSupport2].Check);
    ASSERT_FALSE((*form)[kSupport2].Check->IsChecked());
    form->FactoryCombo->Focus();
    std::vector<HWND> expected = FullOrder();
    std::erase(expected, (*form)[kSupport2].SalePrice->Window());
    std::erase(expected, (*form)[kSupport2].Grid->AsControl().Window());
    EXPECT_EQ(Cycle(), expected);
}

TEST_F(TabOrderTest, ArrowKeysStillMoveTheGridsCurrentCell) {
    PickNextFactory();
    XLGrid& grid = *(*form)[kMain].Grid;
    grid.AsControl().Focus();
    grid.SetCurCell({2, 0});
    PostMessageW(grid.AsControl().Window(), WM_KEYDOWN, VK_DOWN, 0);
    PumpMessages();
    EXPECT_EQ(grid.GetCurCell(), (GridPoint{2, 1}));
    EXPECT_EQ(GetFocus(), grid.AsControl().Window());
}

TEST_F(TabOrderTest, TabDuringAnEditStoresItAndMovesOn) {
    PickNextFactory();
    XLGrid& grid = *(*form)[kMain].Grid;
    grid.AsControl().Focus();
    grid.SetCurCell({2, 0});
    grid.BeginEdit();
    ASSERT_EQ(GetFocus(), form->PriceCellEditor->Window());
    form->PriceCellEditor->SetText("4321");
    PressTab();
    EXPECT_EQ(grid.Cell(2, 0)->Text, "4321");
    EXPECT_FALSE(form->PriceCellEditor->IsVisible());
    EXPECT_EQ(GetFocus(), form->CalcButton->Window());
}

// Every way the player comes to a price, and what the digits then typed do to it; a price
// in a grid is stored with Enter.
TEST_F(TabOrderTest, TypingReplacesAPriceTabbedToOrOpenedAndGoesInAtTheCaretOfAClickedOne) {
    PickNextFactory();
    XLGrid& grid = *(*form)[kMain].Grid;
    HWND gridWindow = grid.AsControl().Window();
    auto tabFrom = [&](Control& from, bool shift) {
        from.Focus();
        PressTab(shift);
    };
    auto openEditor = [&](int key) {
        grid.AsControl().Focus();
        grid.SetCurCell({2, 0});
        PressKey(key);
    };
    auto doubleClickPrice = [&] {
        grid.AsControl().Focus();
        const DeviceRect r = grid.CellRect(2, 0);
        const LPARAM centre = MAKELPARAM((r.Left + r.Right()).Value / 2, (r.Top + r.Bottom()).Value / 2);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            PostMessageW(gridWindow, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, centre);
        PumpMessages();
    };
    auto clickBefore = [&](Control& box) {
        PostMessageW(box.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 3));
        PostMessageW(box.Window(), WM_LBUTTONUP, 0, MAKELPARAM(1, 3));
        PumpMessages();
    };
    // The player switches to another window and back.
    auto reactivate = [&] {
        std::unique_ptr<Form> other = Form::Create({"other"});
        other->SetVisible(true);
        SetForegroundWindow(other->Window());
        PumpMessages();
        EXPECT_EQ(GetActiveWindow(), other->Window());
        SetForegroundWindow(window->Window());
        PumpMessages();
    };

    enum class Typing { Replaces, Appends, GoesInFront };
    struct Case {
        const char* action;
        std::function<void()> reach;
        EditBox* box;  // null: the price cell the grid's editor opens on
        bool endFirst;
        Typing typing;
    } cases[] = {
        {"Tab into the main sale price", [&] { tabFrom(*form->FactoryCombo, false); }, (*form)[kMain].SalePrice,
         false, Typing::Replaces},
        {"Tab into support 1's sale price", [&] { tabFrom(*(*form)[kSupport1].Check, false); },
         (*form)[kSupport1].SalePrice, false, Typing::Replaces},
        {"Shift+Tab into support 2's sale price", [&] { tabFrom((*form)[kSupport2].Grid->AsControl(), true); },
         (*form)[kSupport2].SalePrice, false, Typing::Replaces},
        {"Tab into support 3's sale price", [&] { tabFrom(*(*form)[kSupport3].Check, false); },
         (*form)[kSupport3].SalePrice, false, Typing::Replaces},
        {"Enter on a price cell", [&] { openEditor(VK_RETURN); }, nullptr, false, Typing::Replaces},
        {"F2 on a price cell", [&] { openEditor(VK_F2); }, nullptr, false, Typing::Replaces},
        {"double click on a price cell", doubleClickPrice, nullptr, false, Typing::Replaces},
        {"Tab into a sale price, then End", [&] { tabFrom(*form->FactoryCombo, false); }, (*form)[kMain].SalePrice,
         true, Typing::Appends},
        {"Enter on a price cell, then End", [&] { openEditor(VK_RETURN); }, nullptr, true, Typing::Appends},
        // In a box whose short text never scrolled, so that the click lands before it.
        {"a click before a sale price", [&] { clickBefore(*(*form)[kSupport1].SalePrice); },
         (*form)[kSupport1].SalePrice, false, Typing::GoesInFront},
        {"a click before a sale price, then the window reactivated",
         [&] {
             clickBefore(*(*form)[kSupport3].SalePrice);
             reactivate();
         },
         (*form)[kSupport3].SalePrice, false, Typing::GoesInFront},
    };
    const std::string typed = "502";
    for (const Case& c : cases) {
        auto price = [&] { return c.box ? c.box->Text() : grid.Cell(2, 0)->Text; };
        const std::string old = price();
        c.reach();
        ASSERT_EQ(GetFocus(), c.box ? c.box->Window() : form->PriceCellEditor->Window()) << c.action;
        if (c.endFirst) PressKey(VK_END);
        TypeDigits(typed);
        if (!c.box) PressKey(VK_RETURN);
        const std::string expected = c.typing == Typing::Replaces ? typed
                                     : c.typing == Typing::Appends ? old + typed
                                                                   : typed + old;
        EXPECT_EQ(price(), expected) << c.action;
    }
}

}  // namespace
