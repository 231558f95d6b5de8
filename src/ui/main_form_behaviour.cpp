#include <array>

#include "ui/main_form.h"

namespace {

constexpr int kPriceColumn = 2;

}  // namespace

// A support factory's check box switches its block; the support factories that supply it
// follow it, as a chain without its consumer has no use for them.
void MainForm::SetSupportActive(Control& sender) {
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3}) {
        FactoryBlock& block = Factories[slot];
        if (block.Check != &sender) continue;
        const bool active = block.Check->IsChecked();
        const std::array<Control*, 7> switched = {block.Name,         block.SalePriceCaption,
                                                  block.OutputCaption, block.Output,
                                                  block.CycleCaption,  block.Cycle,
                                                  &block.Grid->AsControl()};
        for (Control* control : switched) control->SetEnabled(active);
        block.SalePrice->SetEnabled(active);
        block.SalePrice->SetColor(active ? kWindowColour : kButtonFaceColour);
        for (const Supply& supply : kSupplies) {
            if (supply.Consumer != slot) continue;
            CheckBox& supplier = *Factories[supply.Supplier].Check;
            supplier.SetChecked(active);
            supplier.Click();
        }
    }
}

void MainForm::CloseMainForm(Control&) { Window->Close(); }

void MainForm::DiscardOpenEdits(Control&) {
    for (FactoryBlock& block : Factories) block.Grid->EndEdit(false, true);
}

// Only the purchase price of a row that names a resource can be typed; a factory left out
// of the chain has its grid disabled, which the grid itself answers for.
void MainForm::CanEditPrice(const XLGrid& grid, int col, int row, bool& editable) {
    const XLGridCell* name = grid.Cell(0, row);
    editable = col == kPriceColumn && name && !name->Text.empty();
}

void MainForm::ChoosePriceEditor(XLGrid&, int, int, Control*& editor, EditBox*&, LayoutSides&) {
    editor = PriceCellEditor;
}
