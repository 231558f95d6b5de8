#include <gtest/gtest.h>

#include <vector>

#include "ui/main_form_fixture.h"

namespace {

// The window shown, as only a shown window's controls take the focus.
class TabOrderTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        window->SetVisible(true);
        SetForegroundWindow(window->Window());
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

}  // namespace
