#include <array>
#include <string>

#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "data/factory_list.h"
#include "data/table_loader.h"
#include "toolkit/font.h"
#include "ui/main_form.h"

namespace {

using M = MainForm;
using ControlField = Control* MainForm::*;
using GridField = XLGrid* MainForm::*;

// The controls of one factory block, in FactorySlot order.
struct FactoryControls {
    ControlField name, salePrice, cycle, output;
    GridField grid;
};

constexpr std::array<FactoryControls, kFactorySlots> kFactories = {{
    {&M::MainFactoryNameLabel, &M::MainSalePriceEdit, &M::MainCycleLabel, &M::MainOutputLabel, &M::MainGrid},
    {&M::Support1NameLabel, &M::Support1SalePriceEdit, &M::Support1CycleLabel, &M::Support1OutputLabel, &M::Support1Grid},
    {&M::Support2NameLabel, &M::Support2SalePriceEdit, &M::Support2CycleLabel, &M::Support2OutputLabel, &M::Support2Grid},
    {&M::Support3NameLabel, &M::Support3SalePriceEdit, &M::Support3CycleLabel, &M::Support3OutputLabel, &M::Support3Grid},
}};

// The seven result labels, in the order of ChainResultTexts.
constexpr std::array<std::pair<ControlField, std::string ChainResultTexts::*>, 7> kResults = {{
    {&M::MainCostLabel, &ChainResultTexts::MainCost},
    {&M::Support1CostLabel, &ChainResultTexts::Support1Cost},
    {&M::Support2CostLabel, &ChainResultTexts::Support2Cost},
    {&M::Support3CostLabel, &ChainResultTexts::Support3Cost},
    {&M::TotalCostLabel, &ChainResultTexts::TotalCost},
    {&M::MainIncomeLabel, &ChainResultTexts::MainIncome},
    {&M::ChainIncomeLabel, &ChainResultTexts::ChainIncome},
}};

constexpr std::array<const char*, 3> kColumnCaptions = {"Ресурс", "Кол-во", "Цена покупки"};
constexpr std::array<int, 3> kColumnWidths = {160, 70, 100};

constexpr std::array<std::string ResourceRowTexts::*, 3> kColumns = {
    &ResourceRowTexts::Name, &ResourceRowTexts::Quantity, &ResourceRowTexts::Price};

// Rewriting a text that did not change would only repaint.
void Put(Control& control, const std::string& text) {
    if (control.Text() != text) control.SetText(text);
}

void Put(XLGridCell& cell, const std::string& text) {
    if (cell.Text != text) cell.SetText(text);
}

}  // namespace

void MainForm::PrepareChainView(const std::string& tablesFolder) {
    LoadReport report = LoadTables(tablesFolder, catalogue_);
    tablesCheck_ = CheckTables(catalogue_, report);
    const Font& windowFont = Window->GetFont();
    for (const FactoryControls& factory : kFactories)
        AssignFont((this->*factory.grid)->HeaderFont(), windowFont);
    AssignFont(ResourcePriceGroup->GetFont(), windowFont);
    AssignFont(ProductPriceGroup->GetFont(), windowFont);
    for (const FactoryControls& factory : kFactories)
        (this->*factory.grid)->SetColWidths(kColumnWidths);
    for (int col = 0; col < 3; ++col) MainGrid->SetColCaption(col, kColumnCaptions[col]);
    for (XLGrid* grid : {Support1Grid, Support2Grid, Support3Grid})
        for (int col = 0; col < 3; ++col) grid->SetColCaption(col, MainGrid->GetColCaption(col));
    // Only complete chains are offered: every operation on them then works as it should.
    listedEntries_.clear();
    for (std::size_t entry = 0; entry < kFactoryCount; ++entry) {
        if (!tablesCheck_.Complete[entry]) continue;
        listedEntries_.push_back(static_cast<int>(entry));
        FactoryCombo->AddItem(catalogue_.Stations[static_cast<std::size_t>(FactoryList[entry])].Name);
    }
    FactoryCombo->SetItemIndex(-1);
}

int MainForm::ChosenEntry() const {
    int item = FactoryCombo->ItemIndex();
    if (item < 0 || static_cast<std::size_t>(item) >= listedEntries_.size()) return -1;
    return listedEntries_[static_cast<std::size_t>(item)];
}

ChainModel MainForm::ReadChain() const {
    ChainModel model;
    for (std::size_t slot = 0; slot < kFactorySlots; ++slot) {
        const FactoryControls& controls = kFactories[slot];
        FactoryTexts& texts = model.Factories[slot];
        texts.Name = (this->*controls.name)->Text();
        texts.SalePrice = (this->*controls.salePrice)->Text();
        texts.Cycle = (this->*controls.cycle)->Text();
        texts.Output = (this->*controls.output)->Text();
        XLGrid& grid = *(this->*controls.grid);
        for (std::size_t row = 0; row < kResourceRows; ++row)
            for (std::size_t col = 0; col < kColumns.size(); ++col)
                texts.Rows[row].*kColumns[col] =
                    grid.Cell(static_cast<int>(col), static_cast<int>(row))->Text;
    }
    // The calculation sees a support factory's check box through its grid.
    for (std::size_t support = 0; support < 3; ++support)
        model.SupportActive[support] =
            (this->*kFactories[support + 1].grid)->AsControl().IsEnabled();
    model.ManualPrices = ManualPricesCheck->IsChecked();
    for (const auto& [label, text] : kResults) model.Results.*text = (this->*label)->Text();
    return model;
}

void MainForm::WriteChain(const ChainModel& model) {
    for (std::size_t slot = 0; slot < kFactorySlots; ++slot) {
        const FactoryControls& controls = kFactories[slot];
        const FactoryTexts& texts = model.Factories[slot];
        Put(*(this->*controls.name), texts.Name);
        Put(*(this->*controls.salePrice), texts.SalePrice);
        Put(*(this->*controls.cycle), texts.Cycle);
        Put(*(this->*controls.output), texts.Output);
        XLGrid& grid = *(this->*controls.grid);
        for (std::size_t row = 0; row < kResourceRows; ++row)
            for (std::size_t col = 0; col < kColumns.size(); ++col)
                Put(*grid.Cell(static_cast<int>(col), static_cast<int>(row)),
                    texts.Rows[row].*kColumns[col]);
    }
    for (const auto& [label, text] : kResults) Put(*(this->*label), model.Results.*text);
}

void MainForm::ShowChain(Control&) {
    int item = ChosenEntry();
    ChainFactoriesGroup->SetEnabled(item >= 0);
    CalcButton->SetEnabled(item >= 0);
    ChainModel model = ReadChain();
    if (::ShowChain(model, catalogue_, item)) WriteChain(model);
}

void MainForm::CalculateChain(Control&) {
    ChainModel model = ReadChain();
    if (::CalculateChain(model, catalogue_, ChosenEntry())) WriteChain(model);
}

void MainForm::SetResourcePrices(PriceLevel level) {
    ChainModel model = ReadChain();
    if (::SetResourcePrices(model, catalogue_, ChosenEntry(), level)) WriteChain(model);
}

void MainForm::SetProductPrices(PriceLevel level) {
    ChainModel model = ReadChain();
    if (::SetProductPrices(model, catalogue_, ChosenEntry(), level)) WriteChain(model);
}

void MainForm::SetResourcePricesMin(Control&) { SetResourcePrices(PriceLevel::Minimum); }
void MainForm::SetResourcePricesAvg(Control&) { SetResourcePrices(PriceLevel::Average); }
void MainForm::SetResourcePricesMax(Control&) { SetResourcePrices(PriceLevel::Maximum); }
void MainForm::SetProductPricesMin(Control&) { SetProductPrices(PriceLevel::Minimum); }
void MainForm::SetProductPricesAvg(Control&) { SetProductPrices(PriceLevel::Average); }
void MainForm::SetProductPricesMax(Control&) { SetProductPrices(PriceLevel::Maximum); }
