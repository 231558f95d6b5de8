#pragma once
#include <string_view>

#include "toolkit/control.h"

struct LabelArgs {
    ControlArgs Common{};
    std::string_view Text{};
    bool AutoSize = false;  // the size follows the text
};

// A line of text the player reads; it tells of a click on it. Cut short, it ends in an
// ellipsis where it is drawn.
class Label final : public Control {
public:
    static Label& Create(Control& parent, const LabelArgs& args);

    Event<Control&> OnClick;

private:
    explicit Label(Control& parent, bool autoSize) : Control(&parent), autoSize_(autoSize) {}
    void HandleNotification(int code) override;
    void SizeToText(DeviceRect& place, std::string_view text) override;

    bool autoSize_;
};
