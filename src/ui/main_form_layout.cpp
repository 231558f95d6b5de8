#include <windows.h>

#include <commctrl.h>

#include <array>
#include <utility>

#include "toolkit/application.h"
#include "toolkit/tab_order.h"
#include "ui/main_form.h"
#include "ui/main_form_rows.h"

namespace main_form_rows {

namespace {

ControlArgs CommonArgs(const ControlRow& row) {
    ControlArgs args{MakeLayoutRect(row.left, row.top, row.width, row.height)};
    args.GivesWay = (row.settings & kGivesWay) != 0;
    if (row.settings & kNormal) args.Weight = FontWeight::Normal;
    if (row.settings & kBold) args.Weight = FontWeight::Bold;
    if (row.settings & kGreyText) args.TextColour = kGreyTextColour;
    if (row.settings & kWindowBackground) args.Colour = kWindowColour;
    args.Enabled = !(row.settings & kDisabled);
    args.Visible = !(row.settings & kHidden);
    return args;
}

}  // namespace

void CreateFromRow(Label*& field, Control& parent, const ControlRow& row) {
    field = &Label::Create(parent, {CommonArgs(row), row.text, row.width == kAuto});
}

void CreateFromRow(ComboBox*& field, Control& parent, const ControlRow& row) {
    field = &ComboBox::Create(parent, {CommonArgs(row), true});
}

void CreateFromRow(GroupBox*& field, Control& parent, const ControlRow& row) {
    field = &GroupBox::Create(parent, {CommonArgs(row), row.text, (row.settings & kCentred) != 0});
}

void CreateFromRow(Panel*& field, Control& parent, const ControlRow& row) {
    field = &Panel::Create(parent, {CommonArgs(row), PanelEdge::Lowered});
}

// A resource grid: three columns and three rows, no row headers, no lines on the outer
// left and top. Its text is what a screen reader calls it.
void CreateFromRow(XLGrid*& field, Control& parent, const ControlRow& row) {
    XLGrid& grid = NewXLGrid(parent, {.Common = CommonArgs(row), .Border = false});
    grid.AsControl().SetText(row.text);
    grid.SetRowHeaderWidth(0_lpx);
    grid.SetLeftLineWidth(0_lpx);
    grid.SetTopLineWidth(0_lpx);
    grid.HeaderFont().SetStyle(grid.HeaderFont().Style() & ~unsigned{kFontBold});
    field = &grid;
}

void CreateFromRow(EditBox*& field, Control& parent, const ControlRow& row) {
    // Every box of the window holds a price, which may be pasted from a page or a sheet.
    field = &EditBox::Create(parent, {.Common = CommonArgs(row), .DigitsOnly = true, .TakesGroupedNumbers = true});
}

void CreateFromRow(CheckBox*& field, Control& parent, const ControlRow& row) {
    field = &CheckBox::Create(parent, {CommonArgs(row), row.text, (row.settings & kChecked) != 0,
                                       row.width == kAuto});
}

void CreateFromRow(Button*& field, Control& parent, const ControlRow& row) {
    field = &Button::Create(parent, {CommonArgs(row), row.text});
}

}  // namespace main_form_rows

namespace {

using namespace main_form_rows;

template <std::size_t... Row>
void WireClicks(MainForm& form, std::index_sequence<Row...>) {
    (((form.*kClicks[Row].button)->OnClick = MakeEvent<kClicks[Row].handler>(form)), ...);
}

void WireEvents(MainForm& form) {
    form.FactoryCombo->OnChange = MakeEvent<&MainForm::ShowChain>(form);
    WireClicks(form, std::make_index_sequence<kClicks.size()>());
    for (FactoryBlock& block : form.Factories) {
        if (block.Check) block.Check->OnClick = MakeEvent<&MainForm::SetSupportActive>(form);
        block.Grid->OnCanEdit = MakeEvent<&MainForm::CanEditPrice>(form);
        block.Grid->OnBeginEdit = MakeEvent<&MainForm::ChoosePriceEditor>(form);
    }
}

}  // namespace

namespace {

// Reading order: the factory list, the main factory, the results, each support factory,
// the price buttons, the window's buttons.
std::vector<Control*> TabStops(MainForm& form) {
    const FactoryBlock& main = form[kMain];
    std::vector<Control*> order{form.FactoryCombo, main.SalePrice, &main.Grid->AsControl(),
                                form.CalcButton, form.ManualPricesCheck};
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3}) {
        const FactoryBlock& support = form[slot];
        order.insert(order.end(), {support.Check, support.SalePrice, &support.Grid->AsControl()});
    }
    order.insert(order.end(), {form.ResourceMinButton, form.ResourceAvgButton, form.ResourceMaxButton,
                               form.ProductMinButton, form.ProductAvgButton, form.ProductMaxButton,
                               form.CloseButton, form.AboutButton});
    return order;
}

}  // namespace

std::unique_ptr<Form> CreateMainForm(Catalogue& catalogue, const NativePath& tablesFolder) {
    InitCommonControls();
    std::unique_ptr<Form> window = Form::Create({.Caption = kMainCaption,
                                                 .ClientWidth = LayoutPx(kClientWidth),
                                                 .ClientHeight = LayoutPx(kClientHeight),
                                                 .Maximizable = false,
                                                 .Centred = true,
                                                 .AcceptsFiles = true});
    window->LockSize();
    SetApplicationWindow(window.get());
    MainForm& form = window->AddOwnedObject(std::make_unique<MainForm>(catalogue));
    form.Window = window.get();
    window->GetFont().SetHeight(LayoutPx(kFontHeight));
    window->GetFont().SetFaceName(kFontFace);
    window->OnDestroy = MakeEvent<&MainForm::DiscardOpenEdits>(form);

    for (const ControlRow& row : kRows) row.control->create(form, row);
    window->LayOut();
    WireEvents(form);
    form.NameForScreenReaders();
    window->AddOwnedObject(std::make_unique<TabOrder>(TabStops(form)));
    form.PrepareChainView(tablesFolder);
    window->OnMenuCommand = MakeEvent<&MainForm::RunMenuCommand>(form);
    window->OnFileDrop = MakeEvent<&MainForm::OpenDroppedBook>(form);
    form.AddMenuCommands();
    return window;
}

MainForm& FormOf(Form& window) { return *window.FindOwnedObject<MainForm>(); }
