#pragma once
#include <string>
#include <string_view>

#include "toolkit/control.h"

struct ComboBoxArgs {
    ControlArgs Common{};
    bool DropDownList = false;  // the player picks from the list and types nothing
};

// A box with a drop-down list. Its height is the one the program gives; the platform's
// window also covers the dropped list.
class ComboBox final : public Control {
public:
    static ComboBox& Create(Control& parent, const ComboBoxArgs& args);

    // None of these raises an event.
    int AddItem(std::string_view text);
    std::string ItemText(int index) const;
    int ItemCount() const;
    int ItemIndex() const { return window_ ? static_cast<int>(Send(CB_GETCURSEL)) : -1; }
    void SetItemIndex(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }

    // After the player's pick, once the selection is final; OnChange when this is unset,
    // or when the player types.
    Event<Control&> OnSelChange;
    Event<Control&> OnChange;

private:
    explicit ComboBox(Control& parent) : Control(&parent) {}
    void HandleNotification(int code) override;
    void SizeDroppedList();
};
