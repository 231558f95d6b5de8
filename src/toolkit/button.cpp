#include "toolkit/button.h"

namespace {

constexpr DWORD kButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | BS_PUSHLIKE;

}  // namespace

Button& Button::Create(Control& parent, const ButtonArgs& args) {
    return Adopt(parent, std::unique_ptr<Button>(new Button(parent)), {L"BUTTON", kButtonStyle}, args.Common,
                 args.Text, false);
}

void Button::Click() { SendClick(*this, Id()); }

void Button::HandleNotification(int code) {
    if (code == BN_CLICKED) OnClick(*this);
}

void SendClick(const Control& control, int id) {
    if (control.Window())
        SendMessageW(GetParent(control.Window()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control.Window()));
}
