#include "toolkit/edit_box.h"

#include "toolkit/grouped_number.h"

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS |
                             WS_CLIPCHILDREN | ES_AUTOHSCROLL | ES_AUTOVSCROLL;

}  // namespace

EditBox& EditBox::Create(Control& parent, const EditBoxArgs& args) {
    const DWORD style = kEditStyle | (args.DigitsOnly ? DWORD{ES_NUMBER} : 0);
    return Adopt(parent, std::unique_ptr<EditBox>(new EditBox(parent, args.TakesGroupedNumbers)),
                 {L"EDIT", style, WS_EX_CLIENTEDGE}, args.Common, {}, false);
}

// On the wide text: the conversion to CP1251 would turn a narrow no-break space into "?".
void EditBox::UngroupNumber() {
    if (!takesGroupedNumbers_ || !window_) return;
    if (std::optional<std::wstring> number = UngroupedNumber(WideText()))
        SetWindowTextW(window_, number->c_str());
}

void EditBox::HandleNotification(int code) {
    if (code == EN_CHANGE) OnChange(*this);
    if (code == EN_KILLFOCUS) {
        UngroupNumber();
        OnLeave(*this);
    }
}
