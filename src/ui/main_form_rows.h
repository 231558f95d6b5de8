#pragma once
#include <array>

#include "ui/main_form.h"

// The main window as data: one row per control in creation order, and the click wiring.
// The window is built from these rows, and tests compare the built window against them.

namespace main_form_rows {

inline constexpr const char* kMainCaption = "Программа для расчета производственных цепочек в Kelm";
inline constexpr int kClientWidth = 722;
inline constexpr int kClientHeight = 586;
inline constexpr const char* kFontFace = "Tahoma";
inline constexpr int kFontHeight = -11;

enum class Kind : unsigned char { Label, Combo, Group, Panel, Grid, Edit, Check, Button };

// What a row does to its control right after creating it.
enum Setting : unsigned {
    kNormal = 1,         // font weight back to normal
    kBold = 2,           // bold font
    kGreyText = 4,       // text in the system grey-text colour
    kCentred = 8,        // caption centred
    kDisabled = 16,
    kHidden = 32,
    kChecked = 64,
    kWindowBackground = 128,  // background in the window colour
    kGivesWay = 256,          // fixed text, cut short rather than cover the control on its right
};

inline constexpr int kAuto = 0;  // sized by the auto-size rule

using ControlField = Control* MainForm::*;
using GridField = XLGrid* MainForm::*;

struct ControlRow {
    Kind kind;
    ControlField parent;
    int left, top, width, height;
    const char* text;
    unsigned settings;
    ControlField control;  // the field that receives the control; null for grids
    GridField grid = nullptr;
};

using M = MainForm;

// The window's controls in creation order: a control's font setting happens before the
// next control is created, so only later controls inherit it.
inline constexpr std::array<ControlRow, 74> kRows = {{
    {Kind::Label, &M::Window, 6, 12, kAuto, kAuto, "Выберите фабрику, для которой хотите построить цепочку", kNormal | kGivesWay, &M::FactoryPromptLabel},
    {Kind::Combo, &M::Window, 6, 30, 360, 22, "", kNormal | kWindowBackground, &M::FactoryCombo},
    {Kind::Group, &M::Window, 6, 229, 710, 310, "Фабрики цепочки", kBold | kDisabled | kCentred, &M::ChainFactoriesGroup},
    {Kind::Label, &M::ChainFactoriesGroup, 300, 187, kAuto, kAuto, "00:00:00", kNormal, &M::Support3CycleLabel},
    {Kind::Label, &M::ChainFactoriesGroup, 236, 187, kAuto, kAuto, "0", kNormal, &M::Support3OutputLabel},
    {Kind::Label, &M::ChainFactoriesGroup, 175, 187, kAuto, kAuto, "Продукта:", kNormal | kGivesWay, &M::Support3OutputCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 92, 164, kAuto, kAuto, "", 0, &M::Support3NameLabel},
    {Kind::Label, &M::ChainFactoriesGroup, 445, 20, kAuto, kAuto, "", 0, &M::Support2NameLabel},
    {Kind::Label, &M::ChainFactoriesGroup, 92, 20, kAuto, kAuto, "", 0, &M::Support1NameLabel},
    {Kind::Label, &M::ChainFactoriesGroup, 365, 43, kAuto, kAuto, "Цена продажи", kNormal | kGivesWay, &M::Support2SalePriceCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 236, 43, kAuto, kAuto, "0", kNormal, &M::Support1OutputLabel},
    {Kind::Label, &M::ChainFactoriesGroup, 617, 43, kAuto, kAuto, "Цикл:", kNormal | kGivesWay, &M::Support2CycleCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 528, 43, kAuto, kAuto, "Продукта:", kNormal | kGivesWay, &M::Support2OutputCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 12, 43, kAuto, kAuto, "Цена продажи", kNormal | kGivesWay, &M::Support1SalePriceCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 175, 43, kAuto, kAuto, "Продукта:", kNormal | kGivesWay, &M::Support1OutputCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 264, 43, kAuto, kAuto, "Цикл:", kNormal | kGivesWay, &M::Support1CycleCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 300, 43, kAuto, kAuto, "00:00:00", kNormal, &M::Support1CycleLabel},
    {Kind::Label, &M::ChainFactoriesGroup, 12, 187, kAuto, kAuto, "Цена продажи", kNormal | kGivesWay, &M::Support3SalePriceCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 589, 43, kAuto, kAuto, "0", kNormal, &M::Support2OutputLabel},
    {Kind::Label, &M::ChainFactoriesGroup, 264, 187, kAuto, kAuto, "Цикл:", kNormal | kGivesWay, &M::Support3CycleCaption},
    {Kind::Label, &M::ChainFactoriesGroup, 653, 43, kAuto, kAuto, "00:00:00", kNormal, &M::Support2CycleLabel},
    {Kind::Panel, &M::ChainFactoriesGroup, 365, 70, 333, 83, "", 0, &M::Support2GridPanel},
    {Kind::Grid, &M::Support2GridPanel, 0, 0, 331, 81, "", kNormal, nullptr, &M::Support2Grid},
    {Kind::Panel, &M::ChainFactoriesGroup, 12, 214, 333, 83, "", 0, &M::Support3GridPanel},
    {Kind::Grid, &M::Support3GridPanel, 0, 0, 331, 81, "", kNormal, nullptr, &M::Support3Grid},
    {Kind::Panel, &M::ChainFactoriesGroup, 12, 70, 333, 83, "", 0, &M::Support1GridPanel},
    {Kind::Grid, &M::Support1GridPanel, 0, 0, 331, 81, "", kNormal, nullptr, &M::Support1Grid},
    {Kind::Edit, &M::ChainFactoriesGroup, 445, 40, 70, 20, "", kNormal | kWindowBackground, &M::Support2SalePriceEdit},
    {Kind::Edit, &M::ChainFactoriesGroup, 92, 40, 70, 20, "", kNormal | kWindowBackground, &M::Support1SalePriceEdit},
    {Kind::Edit, &M::ChainFactoriesGroup, 92, 184, 70, 20, "", kNormal | kWindowBackground, &M::Support3SalePriceEdit},
    {Kind::Check, &M::ChainFactoriesGroup, 365, 18, 75, 17, "Фабрика 2:", kNormal | kChecked, &M::Support2Check},
    {Kind::Check, &M::ChainFactoriesGroup, 13, 18, 75, 17, "Фабрика 1:", kNormal | kChecked, &M::Support1Check},
    {Kind::Check, &M::ChainFactoriesGroup, 12, 162, 75, 17, "Фабрика 3:", kNormal | kChecked, &M::Support3Check},
    {Kind::Group, &M::ChainFactoriesGroup, 365, 172, 333, 60, "", kCentred, &M::ResourcePriceGroup},
    {Kind::Label, &M::ResourcePriceGroup, 118, 0, kAuto, kAuto, " Цены ресурсов ", kGreyText | kGivesWay, &M::ResourcePriceTitle},
    {Kind::Button, &M::ResourcePriceGroup, 12, 22, 100, 25, "Минимальные", kNormal, &M::ResourceMinButton},
    {Kind::Button, &M::ResourcePriceGroup, 117, 22, 100, 25, "Средние", kNormal, &M::ResourceAvgButton},
    {Kind::Button, &M::ResourcePriceGroup, 221, 22, 100, 25, "Максимальные", kNormal, &M::ResourceMaxButton},
    {Kind::Group, &M::ChainFactoriesGroup, 365, 237, 333, 60, "", kCentred, &M::ProductPriceGroup},
    {Kind::Label, &M::ProductPriceGroup, 89, 0, kAuto, kAuto, " Цена продажи продукта ", kGreyText | kGivesWay, &M::ProductPriceTitle},
    {Kind::Button, &M::ProductPriceGroup, 12, 22, 100, 25, "Минимальная", kNormal, &M::ProductMinButton},
    {Kind::Button, &M::ProductPriceGroup, 117, 22, 100, 25, "Средняя", kNormal, &M::ProductAvgButton},
    {Kind::Button, &M::ProductPriceGroup, 221, 22, 100, 25, "Максимальная", kNormal, &M::ProductMaxButton},
    {Kind::Group, &M::Window, 6, 60, 360, 165, "Главная фабрика", kBold | kCentred, &M::MainFactoryGroup},
    {Kind::Label, &M::MainFactoryGroup, 12, 20, kAuto, kAuto, "Фабрика:", kNormal | kGivesWay, &M::MainFactoryCaption},
    {Kind::Label, &M::MainFactoryGroup, 264, 43, kAuto, kAuto, "Цикл:", kNormal | kGivesWay, &M::MainCycleCaption},
    {Kind::Label, &M::MainFactoryGroup, 12, 43, kAuto, kAuto, "Цена продажи", kNormal | kGivesWay, &M::MainSalePriceCaption},
    {Kind::Label, &M::MainFactoryGroup, 236, 43, kAuto, kAuto, "0", kNormal, &M::MainOutputLabel},
    {Kind::Label, &M::MainFactoryGroup, 92, 20, kAuto, kAuto, "", 0, &M::MainFactoryNameLabel},
    {Kind::Label, &M::MainFactoryGroup, 300, 43, kAuto, kAuto, "00:00:00", kNormal, &M::MainCycleLabel},
    {Kind::Label, &M::MainFactoryGroup, 175, 43, kAuto, kAuto, "Продукта:", kNormal | kGivesWay, &M::MainOutputCaption},
    {Kind::Panel, &M::MainFactoryGroup, 12, 70, 333, 83, "", 0, &M::MainGridPanel},
    {Kind::Grid, &M::MainGridPanel, 0, 0, 331, 81, "", kNormal, nullptr, &M::MainGrid},
    {Kind::Edit, &M::MainFactoryGroup, 92, 40, 70, 20, "", kNormal | kWindowBackground, &M::MainSalePriceEdit},
    {Kind::Group, &M::Window, 376, 12, 340, 213, "Результаты расчета", kBold | kCentred, &M::ResultsGroup},
    {Kind::Label, &M::ResultsGroup, 260, 80, kAuto, kAuto, "0", 0, &M::Support3CostLabel},
    {Kind::Label, &M::ResultsGroup, 12, 20, kAuto, kAuto, kResultLabels[0].Caption, kNormal | kGivesWay, &M::MainCostCaption},
    {Kind::Label, &M::ResultsGroup, 260, 20, kAuto, kAuto, "0", 0, &M::MainCostLabel},
    {Kind::Label, &M::ResultsGroup, 12, 40, kAuto, kAuto, kResultLabels[1].Caption, kNormal | kGivesWay, &M::Support1CostCaption},
    {Kind::Label, &M::ResultsGroup, 260, 40, kAuto, kAuto, "0", 0, &M::Support1CostLabel},
    {Kind::Label, &M::ResultsGroup, 12, 60, kAuto, kAuto, kResultLabels[2].Caption, kNormal | kGivesWay, &M::Support2CostCaption},
    {Kind::Label, &M::ResultsGroup, 260, 60, kAuto, kAuto, "0", 0, &M::Support2CostLabel},
    {Kind::Label, &M::ResultsGroup, 12, 80, kAuto, kAuto, kResultLabels[3].Caption, kNormal | kGivesWay, &M::Support3CostCaption},
    {Kind::Label, &M::ResultsGroup, 260, 140, kAuto, kAuto, "0", 0, &M::ChainIncomeLabel},
    {Kind::Label, &M::ResultsGroup, 12, 100, kAuto, kAuto, kResultLabels[4].Caption, kNormal | kGivesWay, &M::TotalCostCaption},
    {Kind::Label, &M::ResultsGroup, 260, 100, kAuto, kAuto, "0", 0, &M::TotalCostLabel},
    {Kind::Label, &M::ResultsGroup, 12, 120, kAuto, kAuto, kResultLabels[5].Caption, kNormal | kGivesWay, &M::MainIncomeCaption},
    {Kind::Label, &M::ResultsGroup, 260, 120, kAuto, kAuto, "0", 0, &M::MainIncomeLabel},
    {Kind::Label, &M::ResultsGroup, 12, 140, kAuto, kAuto, kResultLabels[6].Caption, kNormal | kGivesWay, &M::ChainIncomeCaption},
    {Kind::Button, &M::ResultsGroup, 228, 177, 100, 25, "Расчет", kDisabled, &M::CalcButton},
    {Kind::Check, &M::ResultsGroup, 12, 179, kAuto, 22, "Все цены выставляются вручную", kNormal | kGivesWay, &M::ManualPricesCheck},
    {Kind::Button, &M::Window, 510, 550, 100, 25, "Закрыть", kNormal, &M::CloseButton},
    {Kind::Button, &M::Window, 615, 550, 100, 25, "О программе", kNormal, &M::AboutButton},
    {Kind::Edit, &M::Window, 415, 554, 80, 16, "", kNormal | kHidden | kWindowBackground, &M::PriceCellEditor},
}};

// Event wiring: which control's click runs which handler.
struct ClickRow {
    ControlField control;
    void (MainForm::*handler)(Control&);
};

inline constexpr std::array<ClickRow, 11> kClicks = {{
    {&M::CalcButton, &M::CalculateChain},
    {&M::Support1Check, &M::SetSupport1Active},
    {&M::Support2Check, &M::SetSupport2Active},
    {&M::Support3Check, &M::SetSupport3Active},
    {&M::ResourceMinButton, &M::SetResourcePricesMin},
    {&M::ResourceAvgButton, &M::SetResourcePricesAvg},
    {&M::ResourceMaxButton, &M::SetResourcePricesMax},
    {&M::ProductMinButton, &M::SetProductPricesMin},
    {&M::ProductAvgButton, &M::SetProductPricesAvg},
    {&M::ProductMaxButton, &M::SetProductPricesMax},
    {&M::CloseButton, &M::CloseMainForm},
}};

}  // namespace main_form_rows
