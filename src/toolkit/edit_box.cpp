#include "toolkit/edit_box.h"

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS |
                             WS_CLIPCHILDREN | ES_AUTOHSCROLL | ES_AUTOVSCROLL;

}  // namespace

EditBox& EditBox::Create(Control& parent, const EditBoxArgs& args) {
    const DWORD style = kEditStyle | (args.DigitsOnly ? DWORD{ES_NUMBER} : 0);
    return Adopt(parent, std::unique_ptr<EditBox>(new EditBox(parent)), {L"EDIT", style, WS_EX_CLIENTEDGE},
                 args.Common, {}, false);
}

void EditBox::HandleNotification(int code) {
    if (code == EN_CHANGE) OnChange(*this);
    if (code == EN_KILLFOCUS) OnLeave(*this);
}
