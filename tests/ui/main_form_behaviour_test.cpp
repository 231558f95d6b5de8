#include <gtest/gtest.h>

#include "base/text_convert.h"
#include "calc/result_text.h"
#include "data/factory_list.h"
#include "ui/main_form_fixture.h"

namespace {

TEST_F(MainFormTest, PickingAFactoryShowsItsChain) {
    PickNextFactory();
    ASSERT_EQ(form->FactoryCombo->ItemIndex(), 0);
    const Station& main = catalogue.Stations[FactoryList[0]];
    const Ware& product = catalogue.Wares[main.Product];
    EXPECT_TRUE(form->ChainFactoriesGroup->IsEnabled());
    EXPECT_TRUE(form->CalcButton->IsEnabled());
    EXPECT_EQ((*form)[kMain].Name->Text(), form->FactoryCombo->ItemText(0));
    EXPECT_EQ((*form)[kMain].SalePrice->Text(), IntToText(product.AvgPrice));
    EXPECT_EQ((*form)[kMain].Cycle->Text(), CycleTimeText(product.CycleSeconds));
    EXPECT_EQ((*form)[kMain].Output->Text(), IntToText(product.UnitsPerCycle));
    EXPECT_EQ((*form)[kSupport1].Name->Text(), catalogue.Stations[main.Supports[0]].Name);
    EXPECT_EQ((*form)[kSupport3].Name->Text(), catalogue.Stations[main.Supports[2]].Name);
    const Ware& first = catalogue.Wares[main.Resources[0]];
    EXPECT_EQ((*form)[kMain].Grid->Cell(0, 0)->Text, first.Name);
    EXPECT_EQ((*form)[kMain].Grid->Cell(1, 0)->Text, IntToText(main.ResourceAmounts[0]));
    EXPECT_EQ((*form)[kMain].Grid->Cell(2, 0)->Text, IntToText(first.AvgPrice));
    EXPECT_EQ(form->ResultLabels[kMainCost]->Text(), "0") << "choosing does not calculate";
}

TEST_F(MainFormTest, CalculateWritesTheResults) {
    PickNextFactory();
    form->CalcButton->Click();
    EXPECT_NE(form->ResultLabels[kMainCost]->Text(), "0");
    EXPECT_NE(form->ResultLabels[kTotalCost]->Text(), "0");
}

TEST_F(MainFormTest, PriceButtonsSetTheLevel) {
    PickNextFactory();
    const Station& main = catalogue.Stations[FactoryList[0]];
    form->ResourceMaxButton->Click();
    EXPECT_EQ((*form)[kMain].Grid->Cell(2, 0)->Text, IntToText(catalogue.Wares[main.Resources[0]].MaxPrice));
    form->ProductMinButton->Click();
    EXPECT_EQ((*form)[kMain].SalePrice->Text(), IntToText(catalogue.Wares[main.Product].MinPrice));
}

TEST_F(MainFormTest, PriceButtonsDoNothingBeforeAFactoryIsChosen) {
    form->ResourceMaxButton->Click();
    form->CalcButton->Click();
    EXPECT_EQ((*form)[kMain].Grid->Cell(2, 0)->Text, "");
    EXPECT_EQ(form->ResultLabels[kMainCost]->Text(), "0");
}

struct SupportState {
    bool checked1, checked2, checked3;
    bool active1, active2, active3;
};

SupportState StateOf(const MainForm& form) {
    return {form[kSupport1].Check->IsChecked(), form[kSupport2].Check->IsChecked(),
            form[kSupport3].Check->IsChecked(), form[kSupport1].Grid->AsControl().IsEnabled(),
            form[kSupport2].Grid->AsControl().IsEnabled(), form[kSupport3].Grid->AsControl().IsEnabled()};
}

void ExpectState(const MainForm& form, SupportState expected, const char* step) {
    SupportState state = StateOf(form);
    EXPECT_EQ(state.checked1, expected.checked1) << step;
    EXPECT_EQ(state.checked2, expected.checked2) << step;
    EXPECT_EQ(state.checked3, expected.checked3) << step;
    EXPECT_EQ(state.active1, expected.active1) << step;
    EXPECT_EQ(state.active2, expected.active2) << step;
    EXPECT_EQ(state.active3, expected.active3) << step;
}

TEST_F(MainFormTest, SupportCheckBoxesSwitchTheirFactories) {
    PickNextFactory();
    UserClick(*(*form)[kSupport1].Check);
    ExpectState(*form, {false, false, true, false, false, true}, "factory 1 cleared");
    EXPECT_FALSE((*form)[kSupport1].Name->IsEnabled());
    EXPECT_FALSE((*form)[kSupport2].SalePrice->IsEnabled());
    EXPECT_EQ((*form)[kSupport1].SalePrice->Color(), kButtonFaceColour);
    EXPECT_EQ((*form)[kSupport2].SalePrice->Color(), kButtonFaceColour);
    UserClick(*(*form)[kSupport2].Check);
    ExpectState(*form, {false, true, true, false, true, true}, "factory 2 checked alone");
    EXPECT_EQ((*form)[kSupport2].SalePrice->Color(), kWindowColour);
    UserClick(*(*form)[kSupport1].Check);
    ExpectState(*form, {true, true, true, true, true, true}, "factory 1 checked again");
    UserClick(*(*form)[kSupport3].Check);
    ExpectState(*form, {true, true, false, true, true, false}, "factory 3 cleared");
    EXPECT_FALSE((*form)[kSupport3].CycleCaption->IsEnabled());
    EXPECT_TRUE((*form)[kSupport1].CycleCaption->IsEnabled());
}

TEST_F(MainFormTest, OnlyPriceCellsOfNamedRowsCanBeEdited) {
    PickNextFactory();
    XLGrid& grid = *(*form)[kMain].Grid;
    struct Case {
        int col, row;
        bool editable;
    } cases[] = {{2, 0, true}, {1, 0, false}, {0, 0, false}};
    for (const Case& c : cases) {
        grid.SetCurCell({c.col, c.row});
        grid.BeginEdit();
        EXPECT_EQ(grid.Editor() == form->PriceCellEditor, c.editable) << c.col << "," << c.row;
        grid.EndEdit(false, true);
    }
    grid.Cell(0, 2)->SetText("");
    grid.SetCurCell({2, 2});
    grid.BeginEdit();
    EXPECT_EQ(grid.Editor(), nullptr) << "a row without a name";
}

TEST_F(MainFormTest, AFinishedEditIsStoredAndAnOpenOneIsDiscardedAtShutdown) {
    PickNextFactory();
    XLGrid& grid = *(*form)[kMain].Grid;
    grid.SetCurCell({2, 0});
    grid.BeginEdit();
    ASSERT_TRUE(form->PriceCellEditor->IsVisible());
    form->PriceCellEditor->SetText("777");
    grid.EndEdit(true, false);
    EXPECT_EQ(grid.Cell(2, 0)->Text, "777");

    grid.BeginEdit();
    form->PriceCellEditor->SetText("12345");
    form->DiscardOpenEdits(*window);
    EXPECT_EQ(grid.Cell(2, 0)->Text, "777");
    EXPECT_FALSE(form->PriceCellEditor->IsVisible());
}

TEST_F(MainFormTest, CloseButtonPostsAClose) {
    form->CloseButton->Click();
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, window->Window(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

}  // namespace
