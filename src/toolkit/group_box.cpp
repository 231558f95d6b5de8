#include "toolkit/group_box.h"

namespace {

constexpr DWORD kGroupBoxStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 WS_GROUP | WS_TABSTOP | BS_GROUPBOX;

}  // namespace

GroupBox& GroupBox::Create(Control& parent, const GroupBoxArgs& args) {
    const DWORD style = kGroupBoxStyle | (args.CentredCaption ? DWORD{BS_CENTER} : 0);
    return Adopt(parent, std::unique_ptr<GroupBox>(new GroupBox(parent)), {L"BUTTON", style, WS_EX_CONTROLPARENT},
                 args.Common, args.Text, false);
}

// The platform leaves the inside unpainted: the group gets its own colour.
bool GroupBox::HandleOwnMessage(const Message& message, LRESULT& result) {
    if (message.Id == WM_ERASEBKGND) return EraseWithOwnColour(message, result);
    return Control::HandleOwnMessage(message, result);
}
