#pragma once
#include "toolkit/control.h"

struct EditBoxArgs {
    ControlArgs Common{};
    bool DigitsOnly = false;  // refuses every character but a digit
};

// A one-line box the player types into.
class EditBox final : public Control {
public:
    static EditBox& Create(Control& parent, const EditBoxArgs& args);

    Event<Control&> OnChange;  // the text changed
    Event<Control&> OnLeave;   // the box lost the focus

private:
    explicit EditBox(Control& parent) : Control(&parent) {}
    void HandleNotification(int code) override;
};
