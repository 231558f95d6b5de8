#pragma once
#include <memory>
#include <string>
#include <vector>

#include "calc/chain_model.h"
#include "calc/price_level.h"
#include "calc/table_check.h"
#include "data/catalogue.h"
#include "data/table_loader.h"
#include "grid/xl_grid.h"
#include "toolkit/control.h"

// The calculator's one window. The object belongs to its top-level window (an owned
// object) and refers to every control of it; the controls belong to their parents.
class MainForm : public OwnedObject {
public:
    explicit MainForm(Catalogue& catalogue) : catalogue_(catalogue) {}

    Control* Window = nullptr;
    Control* FactoryPromptLabel = nullptr;
    Control* FactoryCombo = nullptr;
    Control* MainFactoryGroup = nullptr;
    Control* MainFactoryNameLabel = nullptr;
    Control* MainGridPanel = nullptr;
    XLGrid* MainGrid = nullptr;
    Control* ChainFactoriesGroup = nullptr;
    Control* Support1GridPanel = nullptr;
    XLGrid* Support1Grid = nullptr;
    Control* Support3GridPanel = nullptr;
    XLGrid* Support3Grid = nullptr;
    Control* Support2GridPanel = nullptr;
    XLGrid* Support2Grid = nullptr;
    Control* Support3NameLabel = nullptr;
    Control* Support2NameLabel = nullptr;
    Control* Support1NameLabel = nullptr;
    Control* ResultsGroup = nullptr;
    Control* MainSalePriceCaption = nullptr;
    Control* MainSalePriceEdit = nullptr;
    Control* MainCycleCaption = nullptr;
    Control* MainCycleLabel = nullptr;
    Control* Support2SalePriceCaption = nullptr;
    Control* Support2SalePriceEdit = nullptr;
    Control* Support2CycleCaption = nullptr;
    Control* Support2CycleLabel = nullptr;
    Control* Support1SalePriceCaption = nullptr;
    Control* Support1SalePriceEdit = nullptr;
    Control* Support1CycleCaption = nullptr;
    Control* Support1CycleLabel = nullptr;
    Control* CloseButton = nullptr;
    Control* AboutButton = nullptr;
    Control* Support3SalePriceCaption = nullptr;
    Control* Support3SalePriceEdit = nullptr;
    Control* Support3CycleCaption = nullptr;
    Control* Support3CycleLabel = nullptr;
    Control* PriceCellEditor = nullptr;
    Control* MainOutputCaption = nullptr;
    Control* MainOutputLabel = nullptr;
    Control* Support3OutputCaption = nullptr;
    Control* Support3OutputLabel = nullptr;
    Control* Support2OutputCaption = nullptr;
    Control* Support2OutputLabel = nullptr;
    Control* Support1OutputCaption = nullptr;
    Control* Support1OutputLabel = nullptr;
    Control* CalcButton = nullptr;
    Control* MainCostCaption = nullptr;
    Control* MainFactoryCaption = nullptr;
    Control* Support1Check = nullptr;
    Control* Support3Check = nullptr;
    Control* Support2Check = nullptr;
    Control* MainCostLabel = nullptr;
    Control* Support1CostCaption = nullptr;
    Control* Support1CostLabel = nullptr;
    Control* Support2CostCaption = nullptr;
    Control* Support2CostLabel = nullptr;
    Control* Support3CostCaption = nullptr;
    Control* Support3CostLabel = nullptr;
    Control* TotalCostCaption = nullptr;
    Control* TotalCostLabel = nullptr;
    Control* ResourcePriceGroup = nullptr;
    Control* ResourceMinButton = nullptr;
    Control* ResourceAvgButton = nullptr;
    Control* ResourceMaxButton = nullptr;
    Control* ProductPriceGroup = nullptr;
    Control* ProductMinButton = nullptr;
    Control* ProductAvgButton = nullptr;
    Control* ProductMaxButton = nullptr;
    Control* ResourcePriceTitle = nullptr;
    Control* ProductPriceTitle = nullptr;
    OwnedObject* CommonControlsInit = nullptr;
    Control* MainIncomeCaption = nullptr;
    Control* MainIncomeLabel = nullptr;
    Control* ManualPricesCheck = nullptr;
    Control* ChainIncomeCaption = nullptr;
    Control* ChainIncomeLabel = nullptr;

    const Catalogue& Tables() const { return catalogue_; }

    // Start-up: loads the tables from the folder, checks them, sets up the grids and lists
    // the factories whose chains are complete.
    void PrepareChainView(const std::string& tablesFolder);
    // What the check of the tables found at start-up.
    const TableCheck& TablesCheck() const { return tablesCheck_; }
    // The FactoryList entry of the factory chosen in FactoryCombo; -1 when none is.
    int ChosenEntry() const;

    // Event handlers; the sender is the control that raised the event.
    void ShowChain(Control& sender);
    void CalculateChain(Control& sender);
    void SetResourcePricesMin(Control& sender);
    void SetResourcePricesAvg(Control& sender);
    void SetResourcePricesMax(Control& sender);
    void SetProductPricesMin(Control& sender);
    void SetProductPricesAvg(Control& sender);
    void SetProductPricesMax(Control& sender);
    void SetSupport1Active(Control& sender);
    void SetSupport2Active(Control& sender);
    void SetSupport3Active(Control& sender);
    void CloseMainForm(Control& sender);
    void DiscardOpenEdits(Control& sender);
    void ChoosePriceEditor(XLGrid& grid, int col, int row, Control*& editor, Control*& editFocus,
                           GridRect& margins);
    void AcceptPriceEdit(XLGrid& grid, int col, int row, Control* editor, Control* editFocus,
                         std::string& text, bool& accept);

private:
    void SetSupportActive(FactorySlot slot);
    void SetResourcePrices(PriceLevel level);
    void SetProductPrices(PriceLevel level);
    ChainModel ReadChain() const;
    void WriteChain(const ChainModel& model);

    Catalogue& catalogue_;
    TableCheck tablesCheck_;
    std::vector<int> listedEntries_;  // the FactoryList entry of each FactoryCombo item
};

// Builds the window with all its controls, hidden, records it as the application window
// and prepares the chain view from the tables folder. The MainForm belongs to the
// returned window (FormOf finds it).
std::unique_ptr<Control> CreateMainForm(Catalogue& catalogue,
                                        const std::string& tablesFolder = std::string(kTablesFolder));
MainForm& FormOf(Control& window);
