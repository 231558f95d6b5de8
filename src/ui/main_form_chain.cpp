#include <array>
#include <string>

#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "data/factory_list.h"
#include "data/table_loader.h"
#include "toolkit/font.h"
#include "ui/main_form.h"

namespace {

// The columns of every resource grid, left to right.
struct ResourceColumn {
    const char* Caption;
    LayoutPx Width;
    std::string ResourceRowTexts::*Text;
};
constexpr std::array<ResourceColumn, 3> kColumns = {{
    {"Ресурс", 160_lpx, &ResourceRowTexts::Name},
    {"Кол-во", 70_lpx, &ResourceRowTexts::Quantity},
    {"Цена покупки", 100_lpx, &ResourceRowTexts::Price},
}};

// Rewriting a text that did not change would only repaint.
void Put(Control& control, const std::string& text) {
    if (control.Text() != text) control.SetText(text);
}

void Put(XLGridCell& cell, const std::string& text) {
    if (cell.Text != text) cell.SetText(text);
}

}  // namespace

void MainForm::PrepareChainView(const NativePath& tablesFolder) {
    LoadReport report = LoadTables(tablesFolder, catalogue_);
    tablesCheck_ = CheckTables(catalogue_, report);
    const Font& windowFont = Window->GetFont();
    for (FactoryBlock& block : Factories) {
        XLGrid& grid = *block.Grid;
        AssignFont(grid.HeaderFont(), windowFont);
        std::array<LayoutPx, kColumns.size()> widths;
        for (std::size_t col = 0; col < kColumns.size(); ++col) {
            widths[col] = kColumns[col].Width;
            grid.SetColCaption(static_cast<int>(col), kColumns[col].Caption);
        }
        grid.SetColWidths(widths);
    }
    AssignFont(ResourcePriceGroup->GetFont(), windowFont);
    AssignFont(ProductPriceGroup->GetFont(), windowFont);
    // Only complete chains are offered: every operation on them then works as it should.
    listedItems_.clear();
    for (std::size_t item = 0; item < kFactoryCount; ++item) {
        if (!tablesCheck_.Complete[item]) continue;
        listedItems_.push_back(static_cast<int>(item));
        FactoryCombo->AddItem(catalogue_.Stations[static_cast<std::size_t>(FactoryList[item])].Name);
    }
    FactoryCombo->SetItemIndex(-1);
}

// The one place where a position in the factory list becomes an item.
int MainForm::ChosenItem() const {
    int position = FactoryCombo->ItemIndex();
    if (position < 0 || static_cast<std::size_t>(position) >= listedItems_.size()) return -1;
    return listedItems_[static_cast<std::size_t>(position)];
}

ChainModel MainForm::ReadChain() const {
    ChainModel model;
    for (std::size_t slot = 0; slot < kFactorySlots; ++slot) {
        const FactoryBlock& block = Factories[slot];
        FactoryTexts& texts = model.Factories[slot];
        texts.Name = block.Name->Text();
        texts.SalePrice = block.SalePrice->Text();
        texts.Cycle = block.Cycle->Text();
        texts.Output = block.Output->Text();
        for (std::size_t row = 0; row < kResourceRows; ++row)
            for (std::size_t col = 0; col < kColumns.size(); ++col)
                texts.Rows[row].*kColumns[col].Text =
                    block.Grid->Cell(static_cast<int>(col), static_cast<int>(row))->Text;
    }
    // The calculation sees a support factory's check box through its grid.
    for (FactorySlot support : {kSupport1, kSupport2, kSupport3})
        model[support].Active = Factories[support].Grid->AsControl().IsEnabled();
    model.ManualPrices = ManualPricesCheck->IsChecked();
    for (std::size_t result = 0; result < kChainResultCount; ++result)
        model.Results.Values[result] = ResultLabels.Values[result]->Text();
    return model;
}

void MainForm::WriteChain(const ChainModel& model) {
    for (std::size_t slot = 0; slot < kFactorySlots; ++slot) {
        const FactoryBlock& block = Factories[slot];
        const FactoryTexts& texts = model.Factories[slot];
        Put(*block.Name, texts.Name);
        Put(*block.SalePrice, texts.SalePrice);
        Put(*block.Cycle, texts.Cycle);
        Put(*block.Output, texts.Output);
        for (std::size_t row = 0; row < kResourceRows; ++row)
            for (std::size_t col = 0; col < kColumns.size(); ++col)
                Put(*block.Grid->Cell(static_cast<int>(col), static_cast<int>(row)), texts.Rows[row].*kColumns[col].Text);
    }
    for (std::size_t result = 0; result < kChainResultCount; ++result)
        Put(*ResultLabels.Values[result], model.Results.Values[result]);
}

void MainForm::ShowChain(Control&) {
    int item = ChosenItem();
    ChainFactoriesGroup->SetEnabled(item >= 0);
    CalcButton->SetEnabled(item >= 0);
    ChainModel model = ReadChain();
    if (::ShowChain(model, catalogue_, item)) WriteChain(model);
}

void MainForm::CalculateChain(Control&) {
    ChainModel model = ReadChain();
    if (::CalculateChain(model, catalogue_, ChosenItem())) WriteChain(model);
}

void MainForm::SetResourcePrices(PriceLevel level) {
    ChainModel model = ReadChain();
    if (::SetResourcePrices(model, catalogue_, ChosenItem(), level)) WriteChain(model);
}

void MainForm::SetProductPrices(PriceLevel level) {
    ChainModel model = ReadChain();
    if (::SetProductPrices(model, catalogue_, ChosenItem(), level)) WriteChain(model);
}

void MainForm::SetResourcePricesMin(Control&) { SetResourcePrices(PriceLevel::Minimum); }
void MainForm::SetResourcePricesAvg(Control&) { SetResourcePrices(PriceLevel::Average); }
void MainForm::SetResourcePricesMax(Control&) { SetResourcePrices(PriceLevel::Maximum); }
void MainForm::SetProductPricesMin(Control&) { SetProductPrices(PriceLevel::Minimum); }
void MainForm::SetProductPricesAvg(Control&) { SetProductPrices(PriceLevel::Average); }
void MainForm::SetProductPricesMax(Control&) { SetProductPrices(PriceLevel::Maximum); }
