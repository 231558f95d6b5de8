#include "toolkit/caption_tooltip.h"

#include <commctrl.h>

#include <string>

#include "base/cp1251.h"
#include "toolkit/control.h"

namespace {

TTTOOLINFOW ToolOf(const Control& control) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(control.Window());
    tool.uId = reinterpret_cast<UINT_PTR>(control.Window());
    return tool;
}

}  // namespace

void CaptionTooltip::Relay(const Control& control, const MSG& message) {
    if (!window_) {
        window_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                      WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
        if (!window_) return;
    }
    TTTOOLINFOW tool = ToolOf(control);
    if (!SendMessageW(window_.Get(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
        std::wstring text = Cp1251ToWide(control.Text());
        tool = ToolOf(control);
        tool.lpszText = text.data();
        SendMessageW(window_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(window_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void CaptionTooltip::Forget(const Control& control) {
    if (!window_) return;
    TTTOOLINFOW tool = ToolOf(control);
    SendMessageW(window_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}
