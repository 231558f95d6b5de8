#pragma once
#include "toolkit/control.h"

struct EditBoxArgs {
    ControlArgs Common{};
    bool DigitsOnly = false;  // refuses every character but a digit
    // Holds a number: one pasted with its digits grouped («8 500») is kept without the marks.
    bool TakesGroupedNumbers = false;
};

// A one-line box the player types into.
class EditBox final : public Control {
public:
    static EditBox& Create(Control& parent, const EditBoxArgs& args);

    // Selects the whole text, so that what the player types next replaces it.
    void SelectAll() const { Send(EM_SETSEL, 0, -1); }

    // In a box that takes grouped numbers, a text that is one becomes the number without
    // its marks. Done when the box loses the focus; a host that stores the text without
    // the focus moving, such as a grid ending an edit, asks for it first.
    void UngroupNumber();

    Event<Control&> OnChange;  // the text changed
    Event<Control&> OnLeave;   // the box lost the focus

private:
    EditBox(Control& parent, bool takesGroupedNumbers)
        : Control(&parent), takesGroupedNumbers_(takesGroupedNumbers) {}
    void HandleNotification(int code) override;

    bool takesGroupedNumbers_;
};
