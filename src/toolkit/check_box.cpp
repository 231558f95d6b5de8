#include "toolkit/check_box.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <string>

#include "base/cp1251.h"
#include "toolkit/button.h"
#include "toolkit/text_size.h"

namespace {

constexpr DWORD kCheckBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr LayoutPx kCheckMarkWidth(24);  // the box and the gap before the text
constexpr LayoutPx kBoxSide(12);         // the box as the platform draws it, less its last pixel

// The box where the platform puts it: at the left, its middle a pixel above the client's.
RECT BoxRect(const RECT& client, DevicePx side) {
    const int delta = client.bottom - client.top - side.Value;
    RECT box{client.left, client.top, client.left + side.Value, client.bottom};
    if (delta > 0) {
        box.bottom -= delta / 2 + 1;
        box.top = box.bottom - side.Value;
    }
    return box;
}

int ThemeState(bool checked, bool pushed, bool disabled, bool hot) {
    const int base = checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
    if (disabled) return base + 3;
    if (pushed) return base + 2;
    return hot ? base + 1 : base;
}

}  // namespace

CheckBox& CheckBox::Create(Control& parent, const CheckBoxArgs& args) {
    CheckBox& box = Adopt(parent, std::unique_ptr<CheckBox>(new CheckBox(parent, args.AutoSize)),
                          {L"BUTTON", kCheckBoxStyle}, args.Common, args.Text, false);
    if (args.Checked) box.SetChecked(true);
    return box;
}

void CheckBox::SetChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

void CheckBox::Click() { SendClick(*this, Id()); }

void CheckBox::HandleNotification(int code) {
    if (code == BN_CLICKED) OnClick(*this);
}

void CheckBox::SizeToText(DeviceRect& place, std::string_view text) {
    if (!autoSize_) return;
    place.Width = DevicePx(TextSize(MeasuringDc(), GetFont(), Scale(), text).cx) + Scale()(kCheckMarkWidth);
}

// The platform draws a whole caption; one cut short is drawn here, the box as the platform
// draws it and the caption ending in an ellipsis.
bool CheckBox::HandleNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != static_cast<UINT>(NM_CUSTOMDRAW) || !IsCaptionCut()) return false;
    const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(header);
    if (draw.dwDrawStage != CDDS_PREPAINT) return false;
    DrawCutCaption(draw);
    result = CDRF_SKIPDEFAULT;
    return true;
}

void CheckBox::DrawCutCaption(const NMCUSTOMDRAW& draw) {
    HDC dc = draw.hdc;
    const RECT client = draw.rc;
    const LRESULT state = Send(BM_GETSTATE);
    const bool checked = (state & BST_CHECKED) != 0, pushed = (state & BST_PUSHED) != 0;
    const bool disabled = !IsWindowEnabled(window_);
    FillRect(dc, &client, reinterpret_cast<HBRUSH>(AnswerColourRequest(dc)));
    RECT box = BoxRect(client, Scale()(kBoxSide) + 1_dpx);
    if (HTHEME theme = OpenThemeData(window_, L"BUTTON")) {
        const bool hot = (draw.uItemState & CDIS_HOT) != 0;
        DrawThemeBackground(theme, dc, BP_CHECKBOX, ThemeState(checked, pushed, disabled, hot), &box, nullptr);
        CloseThemeData(theme);
    } else {
        UINT flags = DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0u) | (pushed ? DFCS_PUSHED : 0u) |
                     (disabled ? DFCS_INACTIVE : 0u);
        DrawFrameControl(dc, &box, DFC_BUTTON, flags);
    }
    INT zeroWidth = 0;
    GetCharWidthW(dc, L'0', L'0', &zeroWidth);
    RECT caption = client;
    caption.left = box.right + zeroWidth / 2;
    std::wstring text = Cp1251ToWide(Text());
    if (disabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, kFormat);
    if (draw.uItemState & CDIS_FOCUS) {
        RECT drawn = caption;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &drawn, kFormat | DT_CALCRECT);
        const int height = drawn.bottom - drawn.top;
        const int top = (client.top + client.bottom - height) / 2;
        RECT focus{caption.left - 1, top, std::min(drawn.right, caption.right) + 1, top + height};
        IntersectRect(&focus, &focus, &client);
        DrawFocusRect(dc, &focus);
    }
}
