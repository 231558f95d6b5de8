#include "toolkit/label.h"

#include "toolkit/text_size.h"

namespace {

constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                              SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;

}  // namespace

Label& Label::Create(Control& parent, const LabelArgs& args) {
    const DWORD style = kLabelStyle | (args.Common.GivesWay ? DWORD{SS_ENDELLIPSIS} : 0);
    return Adopt(parent, std::unique_ptr<Label>(new Label(parent, args.AutoSize)), {L"STATIC", style}, args.Common,
                 args.Text, false);
}

void Label::HandleNotification(int code) {
    if (code == STN_CLICKED) OnClick(*this);
}

// A pixel more each way than the text, and 1 by 1 without one.
void Label::SizeToText(DeviceRect& place, std::string_view text) {
    if (!autoSize_) return;
    SIZE size = TextSize(MeasuringDc(), GetFont(), Scale(), text);
    const DevicePx margin = Scale()(1_lpx);
    place.Width = DevicePx(size.cx) + margin;
    place.Height = DevicePx(size.cy) + margin;
}
