#pragma once
#include <string>
#include <string_view>

#include "toolkit/control.h"

struct CheckBoxArgs {
    ControlArgs Common{};
    std::string_view Text{};
    bool Checked = false;
    bool AutoSize = false;  // the width follows the text; the height stays
};

// A check box that toggles itself when the player clicks it.
class CheckBox final : public Control {
public:
    static CheckBox& Create(Control& parent, const CheckBoxArgs& args);

    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked);  // raises no event
    // Raises the click event as a user's click would, without changing the check mark.
    void Click();
    // The whole caption, also when the box shows it cut short.
    std::string Text() const { return limited_ ? caption_ : Control::Text(); }
    CheckBox& SetText(std::string_view text);
    CheckBox& LimitAutoWidth(int width) override;

    Event<Control&> OnClick;

private:
    explicit CheckBox(Control& parent, bool autoSize) : Control(&parent), autoSize_(autoSize) {}
    void HandleNotification(int code) override;
    void SizeToText(Bounds& place, std::string_view text) override;
    void ShowCaptionWithin(int width);

    bool autoSize_;
    bool limited_ = false;
    std::string caption_;  // the whole caption of a box whose shown caption may be cut
};
