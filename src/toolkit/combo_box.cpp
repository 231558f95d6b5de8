#include "toolkit/combo_box.h"

#include <commctrl.h>

#include <algorithm>

#include "base/cp1251.h"

namespace {

constexpr DWORD kComboStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL |
                              WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBS_HASSTRINGS;
// Sent by the combo box to its parent after CBN_SELCHANGE, so that the change event runs
// once the selection is final.
constexpr int kDeferredSelChange = 15;
constexpr int kDroppedRows = 8;

}  // namespace

ComboBox& ComboBox::Create(Control& parent, const ComboBoxArgs& args) {
    const DWORD style = kComboStyle | (args.DropDownList ? DWORD{CBS_DROPDOWNLIST} : DWORD{CBS_DROPDOWN});
    ComboBox& combo = Adopt(parent, std::unique_ptr<ComboBox>(new ComboBox(parent)),
                            {L"COMBOBOX", style, WS_EX_CLIENTEDGE}, args.Common, {}, false);
    // Common controls 6 size the dropped list by this count, not by the window's height.
    combo.Send(CB_SETMINVISIBLE, kDroppedRows);
    return combo;
}

int ComboBox::AddItem(std::string_view text) {
    std::wstring wide = Cp1251ToWide(text);
    return window_ ? static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())))
                   : -1;
}

std::string ComboBox::ItemText(int index) const {
    LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (copied <= 0) return {};
    text.resize(static_cast<std::size_t>(copied));
    return WideToCp1251(text);
}

int ComboBox::ItemCount() const { return std::max(0, static_cast<int>(Send(CB_GETCOUNT))); }

void ComboBox::HandleNotification(int code) {
    switch (code) {
    case CBN_EDITCHANGE:
        OnChange(*this);
        break;
    case CBN_DROPDOWN:
        SizeDroppedList();
        break;
    case CBN_SELCHANGE:
        PostMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(Id(), kDeferredSelChange),
                     reinterpret_cast<LPARAM>(window_));
        break;
    case kDeferredSelChange:
        if (OnSelChange)
            OnSelChange(*this);
        else
            OnChange(*this);
        break;
    default:
        break;
    }
}

// The window's height sets the dropped list's: as many rows as the closed box is high.
void ComboBox::SizeDroppedList() {
    int rows = std::clamp(ItemCount(), 1, kDroppedRows);
    const DeviceRect& closed = DevicePlace();
    SetWindowPos(window_, nullptr, 0, 0, closed.Width.Value, (closed.Height * (rows + 1) + Scale()(2_lpx)).Value,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}
