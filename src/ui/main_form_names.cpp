#include <array>

#include "toolkit/accessible_name.h"
#include "ui/main_form.h"

namespace {

// Whose each sale-price box is, by FactorySlot.
constexpr std::array<const char*, kFactorySlots> kSalePriceNames = {
    "Цена продажи, главная фабрика", "Цена продажи, фабрика поддержки 1", "Цена продажи, фабрика поддержки 2",
    "Цена продажи, фабрика поддержки 3"};

}  // namespace

// A screen reader names a box from the text created just before it, which here is not its
// caption.
void MainForm::NameForScreenReaders() {
    SetAccessibleName(*FactoryCombo, FactoryPromptLabel->Text());
    for (std::size_t slot = 0; slot < Factories.size(); ++slot)
        SetAccessibleName(*Factories[slot].SalePrice, kSalePriceNames[slot]);
}
