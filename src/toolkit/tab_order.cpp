#include "toolkit/tab_order.h"

namespace {

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

// As the dialog manager does: what is typed into a text reached by Tab replaces it, in any
// window that says it has a selection to set (an edit box, a combo box's edit); a click or
// the window's reactivation leaves the caret where it was.
void SelectTextOfFocus() {
    HWND focused = GetFocus();
    if (focused && (SendMessageW(focused, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
        SendMessageW(focused, EM_SETSEL, 0, -1);
}

}  // namespace

bool CanTakeFocus(const Control& control) {
    HWND window = control.Window();
    if (!window || !IsWindowVisible(window)) return false;
    for (; window; window = GetParent(window))
        if (!IsWindowEnabled(window)) return false;
    return true;
}

int TabOrder::IndexHolding(HWND focused) const {
    for (HWND window = focused; window; window = GetParent(window))
        for (std::size_t i = 0; i < controls_.size(); ++i)
            if (controls_[i]->Window() == window) return static_cast<int>(i);
    return -1;
}

Control* TabOrder::Next(HWND focused, bool backward) const {
    const int count = static_cast<int>(controls_.size());
    int index = IndexHolding(focused);
    if (index < 0) index = backward ? 0 : count - 1;  // start before the first or after the last
    for (int step = 1; step <= count; ++step) {
        int candidate = ((index + (backward ? -step : step)) % count + count) % count;
        if (CanTakeFocus(*controls_[candidate])) return controls_[candidate];
    }
    return nullptr;
}

bool TabOrder::HandleTabKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU)) return false;
    Control* top = Control::FromHandle(GetAncestor(message.hwnd, GA_ROOT));
    TabOrder* order = top ? top->FindOwnedObject<TabOrder>() : nullptr;
    if (!order) return false;
    // From now on the focused control shows its focus cue, as in any dialog.
    SendMessageW(top->Window(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (Control* next = order->Next(GetFocus(), KeyHeld(VK_SHIFT))) {
        next->Focus();
        SelectTextOfFocus();
    }
    return true;
}
