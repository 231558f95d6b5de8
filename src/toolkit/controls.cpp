#include "toolkit/controls.h"

namespace {

constexpr DWORD kFormStyle = 0x16CF0000;      // overlapped window, visible, clipping
constexpr DWORD kLabelStyle = 0x5000018C;     // child, visible, notify, no prefix, no wrap
constexpr DWORD kButtonStyle = 0x50011000;    // child, visible, tab stop, push-like
constexpr DWORD kCheckBoxStyle = 0x50010003;  // auto check box, tab stop
constexpr DWORD kGroupBoxStyle = 0x56030007;  // group box, group, tab stop
constexpr DWORD kEditStyle = 0x50810000 | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
constexpr DWORD kComboStyle = 0x50210200;     // has strings, vertical scroll bar, tab stop
constexpr DWORD kControlParent = WS_EX_CONTROLPARENT;

// A 3-D control has a sunken client edge in place of a border.
WindowSpec ThreeD(WindowSpec spec) {
    spec.Style &= ~DWORD{WS_BORDER};
    spec.ExStyle |= WS_EX_CLIENTEDGE;
    return spec;
}

}  // namespace

std::unique_ptr<Control> CreateForm(std::string_view caption) {
    return Control::CreateTopLevel(
        {ControlKind::Form, kFormClass, kFormStyle, kControlParent, caption, 0, 400, 300});
}

Control& CreateLabel(Control& parent, std::string_view text) {
    return parent.CreateChild({ControlKind::Label, L"STATIC", kLabelStyle, 0, text});
}

Control& CreateButton(Control& parent, std::string_view text) {
    return parent.CreateChild({ControlKind::Button, L"BUTTON", kButtonStyle, 0, text});
}

Control& CreateCheckBox(Control& parent, std::string_view text) {
    return parent.CreateChild({ControlKind::CheckBox, L"BUTTON", kCheckBoxStyle, 0, text});
}

Control& CreateGroupBox(Control& parent, std::string_view text) {
    return parent.CreateChild(
        {ControlKind::GroupBox, L"BUTTON", kGroupBoxStyle, kControlParent, text});
}

Control& CreatePanel(Control& parent, PanelEdge edge) {
    DWORD style = kLabelStyle;
    if (edge == PanelEdge::Raised) style |= WS_DLGFRAME;
    if (edge == PanelEdge::Lowered) style |= SS_SUNKEN;
    return parent.CreateChild({ControlKind::Panel, L"STATIC", style, kControlParent, {}});
}

Control& CreateEditBox(Control& parent, unsigned options) {
    DWORD style = kEditStyle | ((options & kEditDigitsOnly) ? DWORD{ES_NUMBER} : 0);
    return parent.CreateChild(ThreeD({ControlKind::EditBox, L"EDIT", style, 0, {}}));
}

Control& CreateComboBox(Control& parent, unsigned options) {
    DWORD style = kComboStyle | ((options & kComboDropDownList) ? DWORD{CBS_DROPDOWNLIST}
                                                                : DWORD{CBS_DROPDOWN});
    return parent.CreateChild(ThreeD({ControlKind::ComboBox, L"COMBOBOX", style, 0, {}}));
}

Control& CreateCustomControl(Control& parent, const wchar_t* className, UINT classStyle,
                             DWORD style, DWORD exStyle) {
    return parent.CreateChild({ControlKind::Custom, className, style, exStyle, {}, classStyle});
}
