#include "toolkit/shortcuts.h"

namespace {

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

bool FocusHasTextSelection() {
    HWND focused = GetFocus();
    return focused && (SendMessageW(focused, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL);
}

}  // namespace

bool Shortcuts::HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU) || KeyHeld(VK_SHIFT)) return false;
    Control* top = Control::FromHandle(GetAncestor(message.hwnd, GA_ROOT));
    const Shortcuts* shortcuts = top ? top->FindOwnedObject<Shortcuts>() : nullptr;
    if (!shortcuts) return false;
    for (const Shortcut& shortcut : shortcuts->shortcuts_) {
        if (static_cast<WPARAM>(shortcut.Key) != message.wParam) continue;
        if (shortcut.YieldsToText && FocusHasTextSelection()) return false;
        // The window leaves a greyed command alone, however it comes.
        SendMessageW(top->Window(), WM_SYSCOMMAND, static_cast<WPARAM>(shortcut.Command), 0);
        return true;
    }
    return false;
}
