#include <gtest/gtest.h>

#include "data/factory_list.h"
#include "ui/main_form_fixture.h"
#include "ui/main_form_rows.h"

namespace {

using namespace main_form_rows;

TEST_F(MainFormTest, TheWindowItself) {
    wchar_t className[16] = {};
    GetClassNameW(window->Window(), className, 16);
    EXPECT_STREQ(className, L"Form");
    EXPECT_EQ(window->Text(), kMainCaption);
    EXPECT_EQ(window->ClientWidth(), 722_dpx);
    EXPECT_EQ(window->ClientHeight(), 586_dpx);
    EXPECT_EQ(window->Style() & WS_MAXIMIZEBOX, 0u);
    EXPECT_TRUE(window->Style() & WS_MINIMIZEBOX);
    const DeviceRect outer = WindowPlace(window->Window());
    EXPECT_EQ(outer.Left.Value, (GetSystemMetrics(SM_CXSCREEN) - outer.Width.Value) / 2);
    EXPECT_EQ(outer.Top.Value, (GetSystemMetrics(SM_CYSCREEN) - outer.Height.Value) / 2);
    EXPECT_EQ(window->GetFont().FaceName(), "Tahoma");
    EXPECT_EQ(window->GetFont().Height(), -11_lpx);
    EXPECT_EQ(window->Color(), kButtonFaceColour);
    EXPECT_FALSE(IsWindowVisible(window->Window())) << "shown only by the message loop";
    EXPECT_EQ(ApplicationWindow(), window.get());
}

TEST_F(MainFormTest, TheSizeIsLocked) {
    MINMAXINFO info{};
    SendMessageW(window->Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const DeviceRect outer = WindowPlace(window->Window());
    EXPECT_EQ(info.ptMinTrackSize.x, outer.Width.Value);
    EXPECT_EQ(info.ptMaxTrackSize.x, outer.Width.Value);
    EXPECT_EQ(info.ptMinTrackSize.y, outer.Height.Value);
    EXPECT_EQ(info.ptMaxTrackSize.y, outer.Height.Value);
}

TEST_F(MainFormTest, ControlsStandWhereTheWindowWasDrawnAtAnyDpi) { ExpectPlacedAt(window->Scale()); }

TEST_F(MainFormTest, ControlsAreCreatedInTheOrderOfTheRows) {
    std::vector<Control*> created;
    for (const ControlRow& row : kRows) created.push_back(&row.control->find(*form));
    // Siblings keep the relative order of their rows.
    for (std::size_t i = 0; i < created.size(); ++i)
        for (std::size_t j = i + 1; j < created.size(); ++j) {
            Control* parent = created[i]->Parent();
            if (parent != created[j]->Parent()) continue;
            int first = -1, second = -1;
            for (int k = 0; k < parent->ChildCount(); ++k) {
                if (&parent->Child(k) == created[i]) first = k;
                if (&parent->Child(k) == created[j]) second = k;
            }
            EXPECT_LT(first, second) << kRows[i].text << " before " << kRows[j].text;
        }
}

// The results group's labels as the window was drawn: the order they are made in and where
// each stands, in layout pixels.
TEST_F(MainFormTest, ResultLabelsStandInTheirDrawnOrder) {
    const std::vector<std::pair<int, int>> drawn = {{260, 80},  {12, 20},   {260, 20},  {12, 40},  {260, 40},
                                                    {12, 60},   {260, 60},  {12, 80},   {260, 140}, {12, 100},
                                                    {260, 100}, {12, 120},  {260, 120}, {12, 140}};
    const Control& group = *form->ResultsGroup;
    ASSERT_GE(group.ChildCount(), static_cast<int>(drawn.size()));
    const DpiScale scale = window->Scale();
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const DeviceRect place = WindowPlace(group.Child(static_cast<int>(i)).Window());
        EXPECT_EQ(place.Left, scale(LayoutPx(drawn[i].first))) << "label " << i;
        EXPECT_EQ(place.Top, scale(LayoutPx(drawn[i].second))) << "label " << i;
    }
    EXPECT_EQ(&group.Child(0), form->ResultLabels[kSupport3Cost]);
    EXPECT_EQ(&group.Child(8), form->ResultLabels[kChainIncome]);
    EXPECT_EQ(group.Child(13).Text(), "Доход цепочки за сутки:");
}

TEST_F(MainFormTest, FontWeightsFollowTheGroups) {
    struct Case {
        const char* name;
        Control* control;
        bool bold;
    } cases[] = {
        {"prompt", form->FactoryPromptLabel, false},
        {"chain group", form->ChainFactoriesGroup, true},
        {"results group", form->ResultsGroup, true},
        {"main group", form->MainFactoryGroup, true},
        {"main name label", (*form)[kMain].Name, true},
        {"support 2 name label", (*form)[kSupport2].Name, true},
        {"main cost value", form->ResultLabels[kMainCost], true},
        {"chain income value", form->ResultLabels[kChainIncome], true},
        {"main cost caption", form->ResultCaptions[kMainCost], false},
        {"calculate button", form->CalcButton, true},
        {"manual prices", form->ManualPricesCheck, false},
        {"resource title", form->ResourcePriceTitle, true},
        {"resource button", form->ResourceMinButton, false},
        {"close button", form->CloseButton, false},
        {"sale price box", (*form)[kSupport1].SalePrice, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ((c.control->GetFont().Style() & kFontBold) != 0, c.bold) << c.name;
    EXPECT_EQ(form->ResourcePriceTitle->GetFont().Color(), kGreyTextColour);
    EXPECT_EQ(form->ProductPriceTitle->GetFont().Color(), kGreyTextColour);
    EXPECT_EQ((*form)[kSupport1].SalePrice->Color(), kWindowColour);
    EXPECT_EQ(form->FactoryCombo->Color(), kWindowColour);
}

TEST_F(MainFormTest, AutoSizedLabelsFitTheirTexts) {
    Label& name = *(*form)[kSupport1].Name;
    EXPECT_EQ(WindowPlace(name.Window()), MakeDeviceRect(92, 20, 1, 1)) << "empty";
    name.SetText("Очень длинное название фабрики");
    EXPECT_GT(WindowPlace(name.Window()).Width, 50_dpx);
    EXPECT_GT(WindowPlace(form->ManualPricesCheck->Window()).Width, 24_dpx);
    EXPECT_EQ(WindowPlace(form->ManualPricesCheck->Window()).Height, 22_dpx);
}

RECT RectOf(const Control& control) { return ToRect(WindowPlace(control.Window())); }

void ExpectNoVisibleChildrenOverlap(const Control& parent) {
    for (int i = 0; i < parent.ChildCount(); ++i) {
        const Control& one = parent.Child(i);
        if (!one.IsVisible()) continue;
        ExpectNoVisibleChildrenOverlap(one);
        for (int j = i + 1; j < parent.ChildCount(); ++j) {
            const Control& other = parent.Child(j);
            RECT a = RectOf(one), b = RectOf(other), both{};
            EXPECT_FALSE(other.IsVisible() && IntersectRect(&both, &a, &b))
                << '"' << one.Text() << "\" (" << a.left << ", " << a.top << ", " << a.right
                << ", " << a.bottom << ") covers \"" << other.Text() << "\" (" << b.left << ", "
                << b.top << ", " << b.right << ", " << b.bottom << ")";
        }
    }
}

// Captions give way to the figures beside them, whatever font stands in for Tahoma.
TEST_F(MainFormTest, NothingAPlayerReadsIsCoveredInAnyFont) {
    PickNextFactory();
    form->ResourceMaxButton->Click();
    (*form)[kMain].SalePrice->SetText("2000000000");
    form->CalcButton->Click();
    ASSERT_GE(form->ResultLabels[kMainIncome]->Text().size(), 10u);
    ExpectNoVisibleChildrenOverlap(*window);
    EXPECT_EQ(form->ManualPricesCheck->Text(), "Все цены выставляются вручную");
}

TEST_F(MainFormTest, StartUpState) {
    EXPECT_EQ(form->FactoryCombo->ItemCount(), static_cast<int>(kFactoryCount));
    EXPECT_EQ(form->FactoryCombo->ItemIndex(), -1);
    EXPECT_EQ(form->FactoryCombo->ItemText(0), catalogue.Stations[FactoryList[0]].Name);
    EXPECT_EQ(form->FactoryCombo->ItemText(95), catalogue.Stations[FactoryList[95]].Name);
    EXPECT_FALSE(form->ChainFactoriesGroup->IsEnabled());
    EXPECT_FALSE(form->CalcButton->IsEnabled());
    EXPECT_TRUE(form->MainFactoryGroup->IsEnabled());
    EXPECT_EQ(window->FocusControl(), form->FactoryCombo);
    EXPECT_FALSE(form->PriceCellEditor->IsVisible());
    for (XLGrid* grid : {(*form)[kMain].Grid, (*form)[kSupport1].Grid, (*form)[kSupport2].Grid, (*form)[kSupport3].Grid}) {
        EXPECT_EQ(grid->GetColCaption(0), "Ресурс");
        EXPECT_EQ(grid->GetColCaption(1), "Кол-во");
        EXPECT_EQ(grid->GetColCaption(2), "Цена покупки");
        EXPECT_EQ(grid->ColWidth(0), 160_lpx);
        EXPECT_EQ(grid->ColWidth(1), 70_lpx);
        EXPECT_EQ(grid->ColWidth(2), 100_lpx);
        EXPECT_EQ(grid->RowHeaderWidth(), 0_lpx);
        EXPECT_EQ(grid->Cell(0, 0)->Text, "");
        EXPECT_EQ(grid->HeaderFont().FaceName(), "Tahoma");
        EXPECT_EQ(grid->HeaderFont().Style() & kFontBold, 0u);
    }
}

TEST_F(MainFormTest, TablesWithoutACompleteChainListNoFactory) {
    window.reset();
    catalogue = {};
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring root = std::wstring(folder) + L"kelm-short-tables";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW((root + L"\\tables").c_str(), nullptr);
    SetCurrentDirectoryW(root.c_str());
    // No wares file; five stations: FactoryList's first two (3 and 4) exist, without chains.
    HANDLE file = CreateFileW(L"tables\\stations.csv", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const char text[] = "5\r\nA;0;0;0;0;0;0;0;0;0;0;0\r\nB;0\r\nC;0\r\nD;0\r\nE;0\r\n";
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
    window = CreateMainForm(catalogue);
    form = &FormOf(*window);
    EXPECT_EQ(form->FactoryCombo->ItemCount(), 0);
    EXPECT_EQ(form->TablesCheck().CompleteCount(), 0);
    EXPECT_FALSE(form->TablesCheck().Problems.empty());
    EXPECT_TRUE(catalogue.Wares.empty());
    DeleteFileW(L"tables\\stations.csv");
}

}  // namespace
