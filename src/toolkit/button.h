#pragma once
#include <string_view>

#include "toolkit/control.h"

struct ButtonArgs {
    ControlArgs Common{};
    std::string_view Text{};
};

// A push button.
class Button final : public Control {
public:
    static Button& Create(Control& parent, const ButtonArgs& args);

    // Raises the click event as a user's click would.
    void Click();

    Event<Control&> OnClick;

private:
    explicit Button(Control& parent) : Control(&parent) {}
    bool HandleOwnMessage(const Message& message, LRESULT& result) override;
    void HandleNotification(int code) override;
};

// What a click on a button-class control sends its parent.
void SendClick(const Control& control, int id);
