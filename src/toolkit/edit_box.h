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

    // Selects the whole text, so that what the player types next replaces it.
    void SelectAll() const { Send(EM_SETSEL, 0, -1); }

    Event<Control&> OnChange;  // the text changed
    Event<Control&> OnLeave;   // the box lost the focus

private:
    explicit EditBox(Control& parent) : Control(parent) {}
    void HandleNotification(int code) override;
};
