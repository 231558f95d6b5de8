#include "toolkit/label.h"

#include "toolkit/text_size.h"

namespace {

constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                              SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;

}  // namespace

Label& Label::Create(Control& parent, const LabelArgs& args) {
    Label& label = Adopt(parent, std::unique_ptr<Label>(new Label(parent, args.AutoSize)));
    label.CreateWindowFor({L"STATIC", kLabelStyle}, args.Common, args.Text, false);
    return label;
}

Label& Label::LimitAutoWidth(int width) {
    SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(Style() | SS_ENDELLIPSIS));
    Control::LimitAutoWidth(width);
    return *this;
}

void Label::HandleNotification(int code) {
    if (code == STN_CLICKED) OnClick(*this);
}

// A pixel more each way than the text, and 1 by 1 without one.
void Label::SizeToText(Bounds& place, std::string_view text) {
    if (!autoSize_) return;
    SIZE size = TextSize(MeasuringDc(), GetFont(), text);
    const int margin = Scale()(1);
    place.Width = size.cx + margin;
    place.Height = size.cy + margin;
}
