#include "toolkit/check_box.h"

#include "toolkit/button.h"
#include "toolkit/text_size.h"

namespace {

constexpr DWORD kCheckBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr int kCheckMarkWidth = 24;  // the box and the gap before the text, at 96 DPI

}  // namespace

CheckBox& CheckBox::Create(Control& parent, const CheckBoxArgs& args) {
    CheckBox& box = Adopt(parent, std::unique_ptr<CheckBox>(new CheckBox(parent, args.AutoSize)));
    box.CreateWindowFor({L"BUTTON", kCheckBoxStyle}, args.Common, args.Text, false);
    if (args.Checked) box.SetChecked(true);
    return box;
}

void CheckBox::SetChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

void CheckBox::Click() { SendClick(*this, Id()); }

void CheckBox::HandleNotification(int code) {
    if (code == BN_CLICKED) OnClick(*this);
}

CheckBox& CheckBox::SetText(std::string_view text) {
    caption_ = text;
    Control::SetText(text);
    if (limited_) ShowCaptionWithin(Width() - Scale()(kCheckMarkWidth));
    return *this;
}

CheckBox& CheckBox::LimitAutoWidth(int width) {
    if (!limited_) caption_ = Control::Text();
    limited_ = width > 0;
    Control::LimitAutoWidth(width);
    if (limited_) ShowCaptionWithin(Width() - Scale()(kCheckMarkWidth));
    return *this;
}

void CheckBox::SizeToText(Bounds& place, std::string_view text) {
    if (!autoSize_) return;
    place.Width = TextSize(MeasuringDc(), GetFont(), limited_ ? std::string_view(caption_) : text).cx +
                  Scale()(kCheckMarkWidth);
}

// A button draws no ellipsis of its own: the shown caption is cut to the longest start that
// fits with one.
void CheckBox::ShowCaptionWithin(int width) {
    constexpr char kEllipsis = '\x85';  // "…" in CP1251
    auto fits = [&](const std::string& text) {
        return TextSize(MeasuringDc(), GetFont(), text).cx <= width;
    };
    std::string shown = caption_;
    if (!fits(shown)) {
        do shown.pop_back();
        while (!shown.empty() && !fits(shown + kEllipsis));
        shown += kEllipsis;
    }
    WindowView::SetText(shown);
}
