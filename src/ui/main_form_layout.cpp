#include <windows.h>

#include <commctrl.h>

#include <array>
#include <utility>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/tab_order.h"
#include "ui/main_form.h"
#include "ui/main_form_rows.h"

namespace {

using namespace main_form_rows;

// One InitCommonControls for the process, owned by the window like the form itself.
class CommonControlsInitialiser : public OwnedObject {
public:
    CommonControlsInitialiser() { InitCommonControls(); }
};

template <std::size_t... Row>
void WireClicks(MainForm& form, std::index_sequence<Row...>) {
    (((form.*kClicks[Row].control)->OnClick = MakeEvent<kClicks[Row].handler>(form)), ...);
}

constexpr std::array<GridField, 4> kGrids = {&M::MainGrid, &M::Support1Grid, &M::Support2Grid,
                                             &M::Support3Grid};

Control& CreateOfKind(Kind kind, Control& parent, const char* text) {
    switch (kind) {
    case Kind::Label: return CreateLabel(parent, text);
    case Kind::Combo: return CreateComboBox(parent, kComboDropDownList);
    case Kind::Group: return CreateGroupBox(parent, text);
    case Kind::Panel: return CreatePanel(parent, PanelEdge::Lowered);
    case Kind::Edit: return CreateEditBox(parent, kEditDigitsOnly);
    case Kind::Check: return CreateCheckBox(parent, text);
    case Kind::Button:
    case Kind::Grid: break;
    }
    return CreateButton(parent, text);
}

void SetNormalWeight(Font& font) { font.SetStyle(font.Style() & ~unsigned{kFontBold}); }

void SetUpGrid(XLGrid& grid) {
    grid.SetRowHeaderWidth(0);
    grid.SetLeftLineWidth(0);
    grid.SetTopLineWidth(0);
    grid.AsControl().SetHasBorder(false);
    SetNormalWeight(grid.HeaderFont());
}

void ApplySettings(Control& control, const ControlRow& row) {
    Font& font = control.GetFont();
    if (row.settings & kNormal) SetNormalWeight(font);
    if (row.settings & kBold) font.SetStyle(font.Style() | kFontBold);
    if (row.settings & kGreyText) font.SetColor(kGreyTextColour);
    if (row.settings & kCentred) control.SetTextAlign(TextAlign::Center);
    if (row.settings & kWindowBackground) control.SetColor(kWindowColour);
    if (row.settings & kChecked) control.SetChecked(true);
    if (row.settings & kDisabled) control.SetEnabled(false);
    if (row.settings & kHidden) control.SetVisible(false);
    control.MoveTo(row.left, row.top);
    if (row.width == kAuto) {
        control.Resize(0, row.height).AutoSizeToText(true);
    } else {
        control.Resize(row.width, row.height);
    }
}

void CreateControl(MainForm& form, const ControlRow& row) {
    Control& parent = *(form.*row.parent);
    if (row.kind == Kind::Grid) {
        XLGrid& grid = NewXLGrid(parent, 3, 3, 1, 0);
        form.*row.grid = &grid;
        ApplySettings(grid.AsControl(), row);
        SetUpGrid(grid);
        return;
    }
    Control& control = CreateOfKind(row.kind, parent, row.text);
    form.*row.control = &control;
    ApplySettings(control, row);
}

// The room up to 2 pixels before the nearest visible sibling to the right whose rows meet
// the control's, or 0 when none is there.
int RoomToTheRight(const Control& control) {
    const Control& parent = *control.Parent();
    int room = 0;
    for (int i = 0; i < parent.ChildCount(); ++i) {
        const Control& other = parent.Child(i);
        bool rowsMeet = other.Top() < control.Top() + control.Height() &&
                        control.Top() < other.Top() + other.Height();
        if (&other == &control || !other.IsVisible() || !rowsMeet || other.Left() <= control.Left())
            continue;
        int gap = other.Left() - 2 - control.Left();
        if (room == 0 || gap < room) room = gap;
    }
    return room;
}

// In a font wider than Tahoma a fixed caption is cut short rather than cover a value.
void GiveWay(MainForm& form) {
    for (const ControlRow& row : kRows)
        if (row.settings & kGivesWay) {
            Control& control = *(form.*row.control);
            control.LimitAutoWidth(RoomToTheRight(control));
        }
}

}  // namespace

std::unique_ptr<Control> CreateMainForm(Catalogue& catalogue, const std::string& tablesFolder) {
    auto owned = std::make_unique<MainForm>(catalogue);
    std::unique_ptr<Control> window = CreateForm(kMainCaption);
    window->ResizeClient(kClientWidth, kClientHeight);
    SetApplicationWindow(window.get());
    MainForm& form = window->AddOwnedObject(std::move(owned));
    form.Window = window.get();
    window->SetStyle(window->Style() & ~DWORD{WS_MAXIMIZEBOX});
    window->GetFont().SetHeight(kFontHeight);
    window->GetFont().SetFaceName(kFontFace);
    window->SetMargin(0);
    window->OnDestroy = MakeEvent<&MainForm::DiscardOpenEdits>(form);
    form.CommonControlsInit =
        &window->AddOwnedObject(std::make_unique<CommonControlsInitialiser>());

    for (const ControlRow& row : kRows) CreateControl(form, row);
    GiveWay(form);

    form.FactoryCombo->OnChange = MakeEvent<&MainForm::ShowChain>(form);
    WireClicks(form, std::make_index_sequence<kClicks.size()>());
    for (GridField field : kGrids) {
        (form.*field)->SetOnBeginEdit(MakeEvent<&MainForm::ChoosePriceEditor>(form));
        (form.*field)->SetOnEndEdit(MakeEvent<&MainForm::AcceptPriceEdit>(form));
    }

    window->AddOwnedObject(std::make_unique<TabOrder>(std::vector<Control*>{
        form.FactoryCombo, form.MainSalePriceEdit, &form.MainGrid->AsControl(), form.CalcButton,
        form.ManualPricesCheck, form.Support1Check, form.Support1SalePriceEdit, &form.Support1Grid->AsControl(),
        form.Support2Check, form.Support2SalePriceEdit, &form.Support2Grid->AsControl(), form.Support3Check,
        form.Support3SalePriceEdit, &form.Support3Grid->AsControl(), form.ResourceMinButton,
        form.ResourceAvgButton, form.ResourceMaxButton, form.ProductMinButton, form.ProductAvgButton,
        form.ProductMaxButton, form.CloseButton, form.AboutButton}));
    window->CenterOnScreen();
    window->LockSize();
    form.PrepareChainView(tablesFolder);
    return window;
}

MainForm& FormOf(Control& window) { return *window.FindOwnedObject<MainForm>(); }
