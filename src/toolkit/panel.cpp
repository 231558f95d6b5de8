#include "toolkit/panel.h"

namespace {

constexpr DWORD kPanelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                              SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;

}  // namespace

Panel& Panel::Create(Control& parent, const PanelArgs& args) {
    const DWORD style = kPanelStyle | (args.Edge == PanelEdge::Lowered ? DWORD{SS_SUNKEN} : 0);
    return Adopt(parent, std::unique_ptr<Panel>(new Panel(parent)), {L"STATIC", style, WS_EX_CONTROLPARENT},
                 args.Common, {}, false);
}

bool Panel::HandleOwnMessage(const Message& message, LRESULT& result) {
    if (message.Id == WM_ERASEBKGND) return EraseWithOwnColour(message, result);
    return Control::HandleOwnMessage(message, result);
}
