#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "calc/chain.h"
#include "calc/chain_model.h"
#include "calc/chain_results.h"
#include "calc/price_level.h"
#include "calc/table_check.h"
#include "data/catalogue.h"
#include "data/table_loader.h"
#include "grid/xl_grid.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/edit_box.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

// One factory's controls. The main factory has no check box; a support factory's check
// box switches the rest of its block.
struct FactoryBlock {
    CheckBox* Check = nullptr;
    Label* Name = nullptr;
    Label* SalePriceCaption = nullptr;  // "Цена продажи"
    EditBox* SalePrice = nullptr;
    Label* OutputCaption = nullptr;  // "Продукта:"
    Label* Output = nullptr;
    Label* CycleCaption = nullptr;  // "Цикл:"
    Label* Cycle = nullptr;
    Panel* GridPanel = nullptr;
    XLGrid* Grid = nullptr;
};

// The calculator's one window. The object belongs to its top-level window (an owned
// object) and refers to every control of it; the controls belong to their parents.
class MainForm : public OwnedObject {
public:
    explicit MainForm(Catalogue& catalogue) : catalogue_(catalogue) {}

    Form* Window = nullptr;
    Label* FactoryPromptLabel = nullptr;
    ComboBox* FactoryCombo = nullptr;
    GroupBox* MainFactoryGroup = nullptr;
    Label* MainFactoryCaption = nullptr;
    GroupBox* ChainFactoriesGroup = nullptr;
    std::array<FactoryBlock, kFactorySlots> Factories;  // by FactorySlot
    GroupBox* ResourcePriceGroup = nullptr;
    Label* ResourcePriceTitle = nullptr;
    Button* ResourceMinButton = nullptr;
    Button* ResourceAvgButton = nullptr;
    Button* ResourceMaxButton = nullptr;
    GroupBox* ProductPriceGroup = nullptr;
    Label* ProductPriceTitle = nullptr;
    Button* ProductMinButton = nullptr;
    Button* ProductAvgButton = nullptr;
    Button* ProductMaxButton = nullptr;
    GroupBox* ResultsGroup = nullptr;
    PerResult<Label*> ResultCaptions{};  // by ChainResult: "Затраты на …:", "Доход …:"
    PerResult<Label*> ResultLabels{};    // the value beside each caption
    CheckBox* ManualPricesCheck = nullptr;
    Button* CalcButton = nullptr;
    Button* CloseButton = nullptr;
    Button* AboutButton = nullptr;
    EditBox* PriceCellEditor = nullptr;

    FactoryBlock& operator[](FactorySlot slot) { return Factories[slot]; }
    const FactoryBlock& operator[](FactorySlot slot) const { return Factories[slot]; }
    const Catalogue& Tables() const { return catalogue_; }

    // Start-up: loads the tables from the folder, checks them, sets up the grids and lists
    // the factories whose chains are complete.
    void PrepareChainView(const NativePath& tablesFolder);
    // What the check of the tables found at start-up.
    const TableCheck& TablesCheck() const { return tablesCheck_; }
    // The names screen readers read for the controls whose texts don't say enough.
    void NameForScreenReaders();
    // The item (FactoryList index) of the factory chosen in FactoryCombo; -1 when none is.
    int ChosenItem() const;

    // Event handlers; the sender is the control that raised the event.
    void ShowChain(Control& sender);
    void CalculateChain(Control& sender);
    void SetResourcePricesMin(Control& sender);
    void SetResourcePricesAvg(Control& sender);
    void SetResourcePricesMax(Control& sender);
    void SetProductPricesMin(Control& sender);
    void SetProductPricesAvg(Control& sender);
    void SetProductPricesMax(Control& sender);
    void SetSupportActive(Control& sender);  // a support factory's check box
    void CloseMainForm(Control& sender);
    void DiscardOpenEdits(Control& sender);
    void ChoosePriceEditor(XLGrid& grid, int col, int row, Control*& editor, EditBox*& editFocus,
                           LayoutSides& margins);

private:
    void SetResourcePrices(PriceLevel level);
    void SetProductPrices(PriceLevel level);
    ChainModel ReadChain() const;
    void WriteChain(const ChainModel& model);

    Catalogue& catalogue_;
    TableCheck tablesCheck_;
    std::vector<int> listedItems_;  // the item of each FactoryCombo position
};

// Builds the window with all its controls, hidden, records it as the application window
// and prepares the chain view from the tables folder. The MainForm belongs to the
// returned window (FormOf finds it).
std::unique_ptr<Form> CreateMainForm(Catalogue& catalogue,
                                     const NativePath& tablesFolder = NativePath() / kTablesFolder);
MainForm& FormOf(Form& window);
