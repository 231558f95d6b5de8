#include <array>

#include "ui/main_form.h"

namespace {

using M = MainForm;
using ControlField = Control* MainForm::*;
using GridField = XLGrid* MainForm::*;

// A support factory's check box and the controls it switches, in the order they switch.
struct SupportControls {
    ControlField check;
    ControlField name, salePriceCaption, outputCaption, output, cycleCaption, cycle;
    GridField grid;
    ControlField salePrice;
};

constexpr std::array<SupportControls, 3> kSupports = {{
    {&M::Support1Check, &M::Support1NameLabel, &M::Support1SalePriceCaption, &M::Support1OutputCaption,
     &M::Support1OutputLabel, &M::Support1CycleCaption, &M::Support1CycleLabel, &M::Support1Grid,
     &M::Support1SalePriceEdit},
    {&M::Support2Check, &M::Support2NameLabel, &M::Support2SalePriceCaption, &M::Support2OutputCaption,
     &M::Support2OutputLabel, &M::Support2CycleCaption, &M::Support2CycleLabel, &M::Support2Grid,
     &M::Support2SalePriceEdit},
    {&M::Support3Check, &M::Support3NameLabel, &M::Support3SalePriceCaption, &M::Support3OutputCaption,
     &M::Support3OutputLabel, &M::Support3CycleCaption, &M::Support3CycleLabel, &M::Support3Grid,
     &M::Support3SalePriceEdit},
}};

constexpr int kPriceColumn = 2;

}  // namespace

void MainForm::SetSupportActive(FactorySlot slot) {
    const SupportControls& support = kSupports[slot - kSupport1];
    bool active = (this->*support.check)->IsChecked();
    for (ControlField field : {support.name, support.salePriceCaption, support.outputCaption,
                               support.output, support.cycleCaption, support.cycle})
        (this->*field)->SetEnabled(active);
    (this->*support.grid)->AsControl().SetEnabled(active);
    Control& salePrice = *(this->*support.salePrice);
    salePrice.SetEnabled(active);
    salePrice.SetColor(active ? kWindowColour : kButtonFaceColour);
}

void MainForm::SetSupport1Active(Control&) {
    SetSupportActive(kSupport1);
    // Support factory 2 feeds support factory 1, so it follows it.
    Support2Check->SetChecked(Support1Check->IsChecked());
    Support2Check->Click();
}

void MainForm::SetSupport2Active(Control&) { SetSupportActive(kSupport2); }
void MainForm::SetSupport3Active(Control&) { SetSupportActive(kSupport3); }

void MainForm::CloseMainForm(Control&) { Window->Close(); }

void MainForm::DiscardOpenEdits(Control&) {
    for (XLGrid* grid : {MainGrid, Support1Grid, Support2Grid, Support3Grid})
        grid->EndEdit(false, true);
}

void MainForm::ChoosePriceEditor(XLGrid& grid, int col, int row, Control*& editor, Control*&,
                                 GridRect&) {
    // Only the purchase price of a row that names a resource can be typed.
    XLGridCell* name = grid.Cell(0, row);
    if (col == kPriceColumn && name && !name->Text.empty()) editor = PriceCellEditor;
}

void MainForm::AcceptPriceEdit(XLGrid&, int, int, Control*, Control*, std::string&, bool& accept) {
    accept = true;
}
