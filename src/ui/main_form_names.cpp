#include <array>

#include "toolkit/accessible_name.h"
#include "ui/main_form.h"

namespace {

// Whose each factory block is, by FactorySlot, as a screen reader says it.
constexpr std::array<const char*, kFactorySlots> kOwners = {"главная фабрика", "фабрика поддержки 1",
                                                            "фабрика поддержки 2", "фабрика поддержки 3"};
constexpr std::array<const char*, kFactorySlots> kGridNames = {
    "Ресурсы главной фабрики", "Ресурсы фабрики поддержки 1", "Ресурсы фабрики поддержки 2",
    "Ресурсы фабрики поддержки 3"};

}  // namespace

// A screen reader names a box from the text created before it, which here is not its
// caption, and a grid from its window text. Each sale-price box says whose price it is.
void MainForm::NameForScreenReaders() {
    SetAccessibleName(*FactoryCombo, FactoryPromptLabel->Text());
    for (std::size_t slot = 0; slot < Factories.size(); ++slot) {
        FactoryBlock& block = Factories[slot];
        SetAccessibleName(*block.SalePrice, block.SalePriceCaption->Text() + ", " + kOwners[slot]);
        block.Grid->AsControl().SetText(kGridNames[slot]);
    }
}
