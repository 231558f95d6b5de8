#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string_view>

#include "toolkit/control.h"

struct CheckBoxArgs {
    ControlArgs Common{};
    std::string_view Text{};
    bool Checked = false;
    bool AutoSize = false;  // the width follows the text; the height stays
};

// A check box that toggles itself when the player clicks it. Cut short, it draws its own
// caption ending in an ellipsis; the window text stays whole.
class CheckBox final : public Control {
public:
    static CheckBox& Create(Control& parent, const CheckBoxArgs& args);

    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked);  // raises no event
    // Raises the click event as a user's click would, without changing the check mark.
    void Click();

    Event<Control&> OnClick;

private:
    explicit CheckBox(Control& parent, bool autoSize) : Control(&parent), autoSize_(autoSize) {}
    void HandleNotification(int code) override;
    bool HandleNotify(const NMHDR& header, LRESULT& result) override;
    void SizeToText(DeviceRect& place, std::string_view text) override;
    void CaptionCutChanged() override { Invalidate(); }
    void DrawCutCaption(const NMCUSTOMDRAW& draw);

    bool autoSize_;
};
