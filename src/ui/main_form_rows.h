#pragma once
#include <array>

#include "ui/main_form.h"

// The main window as data: one row per control in creation order, and the click wiring.
// The window is built from these rows.

namespace main_form_rows {

inline constexpr const char* kMainCaption = "Программа для расчета производственных цепочек в Kelm";
inline constexpr int kClientWidth = 722;
inline constexpr int kClientHeight = 586;
inline constexpr const char* kFontFace = "Tahoma";
inline constexpr int kFontHeight = -11;

// What a row gives its control at creation.
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

struct ControlRow;

// The creation of a control of each kind from its row, into its field of MainForm; the
// field's type says the kind.
void CreateFromRow(Label*& field, Control& parent, const ControlRow& row);
void CreateFromRow(ComboBox*& field, Control& parent, const ControlRow& row);
void CreateFromRow(GroupBox*& field, Control& parent, const ControlRow& row);
void CreateFromRow(Panel*& field, Control& parent, const ControlRow& row);
void CreateFromRow(XLGrid*& field, Control& parent, const ControlRow& row);
void CreateFromRow(EditBox*& field, Control& parent, const ControlRow& row);
void CreateFromRow(CheckBox*& field, Control& parent, const ControlRow& row);
void CreateFromRow(Button*& field, Control& parent, const ControlRow& row);

inline Control& AsControl(Control& control) { return control; }
inline Control& AsControl(XLGrid& grid) { return grid.AsControl(); }

// A field of a factory block, as a row names it: Block(kSupport1, &B::Name).
template <class Kind>
struct BlockField {
    FactorySlot Slot;
    Kind* FactoryBlock::*Member;
};
template <class Kind>
constexpr BlockField<Kind> Block(FactorySlot slot, Kind* FactoryBlock::*member) {
    return {slot, member};
}

// A result's caption or value, as a row names it: ResultOf(kMainCost, &M::ResultLabels).
struct ResultField {
    ChainResult Result;
    PerResult<Label*> MainForm::*Labels;
};
constexpr ResultField ResultOf(ChainResult result, PerResult<Label*> MainForm::*labels) { return {result, labels}; }

template <class Kind>
Kind*& FieldOf(MainForm& form, Kind* MainForm::*field) {
    return form.*field;
}
template <class Kind>
Kind*& FieldOf(MainForm& form, BlockField<Kind> field) {
    return form.Factories[field.Slot].*field.Member;
}

inline Label*& FieldOf(MainForm& form, ResultField field) { return (form.*field.Labels)[field.Result]; }

template <auto Field>
Control& FindIn(MainForm& form) {
    return AsControl(*FieldOf(form, Field));
}
template <auto Field>
void CreateIn(MainForm& form, const ControlRow& row);

// Where a row's control goes: made there from the row, and found there again.
struct RowPlace {
    void (*create)(MainForm& form, const ControlRow& row);
    Control& (*find)(MainForm& form);
};
template <auto Field>
inline constexpr RowPlace Put{&CreateIn<Field>, &FindIn<Field>};
// The control a row's control is created in.
template <auto Field>
inline constexpr Control& (*In)(MainForm& form) = &FindIn<Field>;

struct ControlRow {
    const RowPlace* control;
    Control& (*parent)(MainForm& form);
    int left, top, width, height;
    const char* text;
    unsigned settings;
};

template <auto Field>
void CreateIn(MainForm& form, const ControlRow& row) {
    CreateFromRow(FieldOf(form, Field), row.parent(form), row);
}

using M = MainForm;
using B = FactoryBlock;

// The results stand one under another in "Результаты расчета", each caption with its value
// on its right, in the order of the results table.
inline constexpr int kResultTop = 20, kResultPitch = 20, kResultCaptionLeft = 12, kResultValueLeft = 260;

template <ChainResult Result>
inline constexpr ControlRow kResultCaptionRow = {
    &Put<ResultOf(Result, &M::ResultCaptions)>, In<&M::ResultsGroup>, kResultCaptionLeft,
    kResultTop + kResultPitch * static_cast<int>(Result), kAuto, kAuto, Describe(Result).Caption, kNormal | kGivesWay};
template <ChainResult Result>
inline constexpr ControlRow kResultValueRow = {
    &Put<ResultOf(Result, &M::ResultLabels)>, In<&M::ResultsGroup>, kResultValueLeft,
    kResultTop + kResultPitch * static_cast<int>(Result), kAuto, kAuto, "0", 0};

// The window's controls in creation order: a child copies its parent's font as it is
// then, so a group's weight is set before its children are made.
inline constexpr std::array<ControlRow, 74> kRows = {{
    {&Put<&M::FactoryPromptLabel>, In<&M::Window>, 6, 12, kAuto, kAuto, "Выберите фабрику, для которой хотите построить цепочку", kNormal | kGivesWay},
    {&Put<&M::FactoryCombo>, In<&M::Window>, 6, 30, 360, 22, "", kNormal | kWindowBackground},
    {&Put<&M::ChainFactoriesGroup>, In<&M::Window>, 6, 229, 710, 310, "Фабрики цепочки", kBold | kDisabled | kCentred},
    {&Put<Block(kSupport3, &B::Cycle)>, In<&M::ChainFactoriesGroup>, 300, 187, kAuto, kAuto, "00:00:00", kNormal},
    {&Put<Block(kSupport3, &B::Output)>, In<&M::ChainFactoriesGroup>, 236, 187, kAuto, kAuto, "0", kNormal},
    {&Put<Block(kSupport3, &B::OutputCaption)>, In<&M::ChainFactoriesGroup>, 175, 187, kAuto, kAuto, "Продукта:", kNormal | kGivesWay},
    {&Put<Block(kSupport3, &B::Name)>, In<&M::ChainFactoriesGroup>, 92, 164, kAuto, kAuto, "", 0},
    {&Put<Block(kSupport2, &B::Name)>, In<&M::ChainFactoriesGroup>, 445, 20, kAuto, kAuto, "", 0},
    {&Put<Block(kSupport1, &B::Name)>, In<&M::ChainFactoriesGroup>, 92, 20, kAuto, kAuto, "", 0},
    {&Put<Block(kSupport2, &B::SalePriceCaption)>, In<&M::ChainFactoriesGroup>, 365, 43, kAuto, kAuto, "Цена продажи", kNormal | kGivesWay},
    {&Put<Block(kSupport1, &B::Output)>, In<&M::ChainFactoriesGroup>, 236, 43, kAuto, kAuto, "0", kNormal},
    {&Put<Block(kSupport2, &B::CycleCaption)>, In<&M::ChainFactoriesGroup>, 617, 43, kAuto, kAuto, "Цикл:", kNormal | kGivesWay},
    {&Put<Block(kSupport2, &B::OutputCaption)>, In<&M::ChainFactoriesGroup>, 528, 43, kAuto, kAuto, "Продукта:", kNormal | kGivesWay},
    {&Put<Block(kSupport1, &B::SalePriceCaption)>, In<&M::ChainFactoriesGroup>, 12, 43, kAuto, kAuto, "Цена продажи", kNormal | kGivesWay},
    {&Put<Block(kSupport1, &B::OutputCaption)>, In<&M::ChainFactoriesGroup>, 175, 43, kAuto, kAuto, "Продукта:", kNormal | kGivesWay},
    {&Put<Block(kSupport1, &B::CycleCaption)>, In<&M::ChainFactoriesGroup>, 264, 43, kAuto, kAuto, "Цикл:", kNormal | kGivesWay},
    {&Put<Block(kSupport1, &B::Cycle)>, In<&M::ChainFactoriesGroup>, 300, 43, kAuto, kAuto, "00:00:00", kNormal},
    {&Put<Block(kSupport3, &B::SalePriceCaption)>, In<&M::ChainFactoriesGroup>, 12, 187, kAuto, kAuto, "Цена продажи", kNormal | kGivesWay},
    {&Put<Block(kSupport2, &B::Output)>, In<&M::ChainFactoriesGroup>, 589, 43, kAuto, kAuto, "0", kNormal},
    {&Put<Block(kSupport3, &B::CycleCaption)>, In<&M::ChainFactoriesGroup>, 264, 187, kAuto, kAuto, "Цикл:", kNormal | kGivesWay},
    {&Put<Block(kSupport2, &B::Cycle)>, In<&M::ChainFactoriesGroup>, 653, 43, kAuto, kAuto, "00:00:00", kNormal},
    {&Put<Block(kSupport2, &B::GridPanel)>, In<&M::ChainFactoriesGroup>, 365, 70, 333, 83, "", 0},
    {&Put<Block(kSupport2, &B::Grid)>, In<Block(kSupport2, &B::GridPanel)>, 0, 0, 331, 81, "Ресурсы фабрики поддержки 2", kNormal},
    {&Put<Block(kSupport3, &B::GridPanel)>, In<&M::ChainFactoriesGroup>, 12, 214, 333, 83, "", 0},
    {&Put<Block(kSupport3, &B::Grid)>, In<Block(kSupport3, &B::GridPanel)>, 0, 0, 331, 81, "Ресурсы фабрики поддержки 3", kNormal},
    {&Put<Block(kSupport1, &B::GridPanel)>, In<&M::ChainFactoriesGroup>, 12, 70, 333, 83, "", 0},
    {&Put<Block(kSupport1, &B::Grid)>, In<Block(kSupport1, &B::GridPanel)>, 0, 0, 331, 81, "Ресурсы фабрики поддержки 1", kNormal},
    {&Put<Block(kSupport2, &B::SalePrice)>, In<&M::ChainFactoriesGroup>, 445, 40, 70, 20, "", kNormal | kWindowBackground},
    {&Put<Block(kSupport1, &B::SalePrice)>, In<&M::ChainFactoriesGroup>, 92, 40, 70, 20, "", kNormal | kWindowBackground},
    {&Put<Block(kSupport3, &B::SalePrice)>, In<&M::ChainFactoriesGroup>, 92, 184, 70, 20, "", kNormal | kWindowBackground},
    {&Put<Block(kSupport2, &B::Check)>, In<&M::ChainFactoriesGroup>, 365, 18, 75, 17, "Фабрика 2:", kNormal | kChecked},
    {&Put<Block(kSupport1, &B::Check)>, In<&M::ChainFactoriesGroup>, 13, 18, 75, 17, "Фабрика 1:", kNormal | kChecked},
    {&Put<Block(kSupport3, &B::Check)>, In<&M::ChainFactoriesGroup>, 12, 162, 75, 17, "Фабрика 3:", kNormal | kChecked},
    {&Put<&M::ResourcePriceGroup>, In<&M::ChainFactoriesGroup>, 365, 172, 333, 60, "", kCentred},
    {&Put<&M::ResourcePriceTitle>, In<&M::ResourcePriceGroup>, 118, 0, kAuto, kAuto, " Цены ресурсов ", kGreyText | kGivesWay},
    {&Put<&M::ResourceMinButton>, In<&M::ResourcePriceGroup>, 12, 22, 100, 25, "Минимальные", kNormal},
    {&Put<&M::ResourceAvgButton>, In<&M::ResourcePriceGroup>, 117, 22, 100, 25, "Средние", kNormal},
    {&Put<&M::ResourceMaxButton>, In<&M::ResourcePriceGroup>, 221, 22, 100, 25, "Максимальные", kNormal},
    {&Put<&M::ProductPriceGroup>, In<&M::ChainFactoriesGroup>, 365, 237, 333, 60, "", kCentred},
    {&Put<&M::ProductPriceTitle>, In<&M::ProductPriceGroup>, 89, 0, kAuto, kAuto, " Цена продажи продукта ", kGreyText | kGivesWay},
    {&Put<&M::ProductMinButton>, In<&M::ProductPriceGroup>, 12, 22, 100, 25, "Минимальная", kNormal},
    {&Put<&M::ProductAvgButton>, In<&M::ProductPriceGroup>, 117, 22, 100, 25, "Средняя", kNormal},
    {&Put<&M::ProductMaxButton>, In<&M::ProductPriceGroup>, 221, 22, 100, 25, "Максимальная", kNormal},
    {&Put<&M::MainFactoryGroup>, In<&M::Window>, 6, 60, 360, 165, "Главная фабрика", kBold | kCentred},
    {&Put<&M::MainFactoryCaption>, In<&M::MainFactoryGroup>, 12, 20, kAuto, kAuto, "Фабрика:", kNormal | kGivesWay},
    {&Put<Block(kMain, &B::CycleCaption)>, In<&M::MainFactoryGroup>, 264, 43, kAuto, kAuto, "Цикл:", kNormal | kGivesWay},
    {&Put<Block(kMain, &B::SalePriceCaption)>, In<&M::MainFactoryGroup>, 12, 43, kAuto, kAuto, "Цена продажи", kNormal | kGivesWay},
    {&Put<Block(kMain, &B::Output)>, In<&M::MainFactoryGroup>, 236, 43, kAuto, kAuto, "0", kNormal},
    {&Put<Block(kMain, &B::Name)>, In<&M::MainFactoryGroup>, 92, 20, kAuto, kAuto, "", 0},
    {&Put<Block(kMain, &B::Cycle)>, In<&M::MainFactoryGroup>, 300, 43, kAuto, kAuto, "00:00:00", kNormal},
    {&Put<Block(kMain, &B::OutputCaption)>, In<&M::MainFactoryGroup>, 175, 43, kAuto, kAuto, "Продукта:", kNormal | kGivesWay},
    {&Put<Block(kMain, &B::GridPanel)>, In<&M::MainFactoryGroup>, 12, 70, 333, 83, "", 0},
    {&Put<Block(kMain, &B::Grid)>, In<Block(kMain, &B::GridPanel)>, 0, 0, 331, 81, "Ресурсы главной фабрики", kNormal},
    {&Put<Block(kMain, &B::SalePrice)>, In<&M::MainFactoryGroup>, 92, 40, 70, 20, "", kNormal | kWindowBackground},
    {&Put<&M::ResultsGroup>, In<&M::Window>, 376, 12, 340, 213, "Результаты расчета", kBold | kCentred},
    kResultValueRow<kSupport3Cost>,
    kResultCaptionRow<kMainCost>,
    kResultValueRow<kMainCost>,
    kResultCaptionRow<kSupport1Cost>,
    kResultValueRow<kSupport1Cost>,
    kResultCaptionRow<kSupport2Cost>,
    kResultValueRow<kSupport2Cost>,
    kResultCaptionRow<kSupport3Cost>,
    kResultValueRow<kChainIncome>,
    kResultCaptionRow<kTotalCost>,
    kResultValueRow<kTotalCost>,
    kResultCaptionRow<kMainIncome>,
    kResultValueRow<kMainIncome>,
    kResultCaptionRow<kChainIncome>,
    {&Put<&M::CalcButton>, In<&M::ResultsGroup>, 228, 177, 100, 25, "Расчет", kDisabled},
    {&Put<&M::ManualPricesCheck>, In<&M::ResultsGroup>, 12, 179, kAuto, 22, "Все цены выставляются вручную", kNormal | kGivesWay},
    {&Put<&M::CloseButton>, In<&M::Window>, 510, 550, 100, 25, "Закрыть", kNormal},
    {&Put<&M::AboutButton>, In<&M::Window>, 615, 550, 100, 25, "О программе", kNormal},
    {&Put<&M::PriceCellEditor>, In<&M::Window>, 415, 554, 80, 16, "", kNormal | kHidden | kWindowBackground},
}};

// Event wiring: which button's click runs which handler. A support factory's check box
// runs SetSupportActive.
struct ClickRow {
    Button* MainForm::*button;
    void (MainForm::*handler)(Control&);
};

inline constexpr std::array<ClickRow, 8> kClicks = {{
    {&M::CalcButton, &M::CalculateChain},
    {&M::ResourceMinButton, &M::SetResourcePricesMin},
    {&M::ResourceAvgButton, &M::SetResourcePricesAvg},
    {&M::ResourceMaxButton, &M::SetResourcePricesMax},
    {&M::ProductMinButton, &M::SetProductPricesMin},
    {&M::ProductAvgButton, &M::SetProductPricesAvg},
    {&M::ProductMaxButton, &M::SetProductPricesMax},
    {&M::CloseButton, &M::CloseMainForm},
}};

}  // namespace main_form_rows
