#include "toolkit/control.h"

// The platform tells top-level windows of new system colours (a high-contrast scheme) and
// settings, and every window of a new theme. Each control drops the brush it made of the
// old colours and passes the news on to its children, standard controls among them; the
// top-level window then repaints all of it at once, so nothing keeps the old colours.
void Control::TakeNewColours(const Message& message) {
    brush_.Reset();
    if (message.Id != WM_THEMECHANGED)
        for (const auto& child : children_) child->Send(message.Id, message.WParam, message.LParam);
    if (!parent_ && window_)
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
