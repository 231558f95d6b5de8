#include "toolkit/custom_control.h"

#include <algorithm>

CustomControl& CustomControl::Create(Control& parent, const CustomControlArgs& args) {
    RegisterOwnClass(args.ClassName, args.ClassStyle);
    CustomControl& control = Adopt(parent, std::unique_ptr<CustomControl>(new CustomControl(parent)));
    control.CreateWindowFor({args.ClassName, args.Style, args.ExStyle}, args.Common, {}, true);
    return control;
}

bool CustomControl::HandleOwnMessage(const Message& message, LRESULT& result) {
    // A change of scale resizes the window on its way: OnScaleChange covers that.
    if (message.Id == WM_SIZE && !Context().Rescaling()) OnResize(*this);
    return Control::HandleOwnMessage(message, result);
}

void CustomControl::SetScrollBar(int bar, const ScrollRange& range) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = range.Min;
    info.nMax = range.Max;
    info.nPage = static_cast<UINT>(std::max(range.Page, 0));
    info.nPos = range.Position;
    SetScrollInfo(window_, bar, &info, TRUE);
}
