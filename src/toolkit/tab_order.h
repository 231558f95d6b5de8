#pragma once
#include <windows.h>

#include <vector>

#include "toolkit/control.h"

// Tab and Shift+Tab move the keyboard focus through a top-level window's controls in the
// order the window gives, skipping controls that are hidden or disabled (themselves or
// through a parent); a text so reached is selected whole. The window owns
// its order as one of its owned objects; the message loop asks it about every Tab key
// before anything else sees the key.
class TabOrder : public OwnedObject {
public:
    explicit TabOrder(std::vector<Control*> controls) : controls_(std::move(controls)) {}

    // Moves the focus on from the control that holds it (or from inside it, such as an
    // editor lent to a grid); true when the message was a Tab key this order took.
    static bool HandleTabKey(const MSG& message);

    // The control the focus goes to from the one holding it (forward or backward), or null
    // when no control of the order can take it.
    Control* Next(HWND focused, bool backward) const;

private:
    // The position of the control that is, or holds, the focused window; -1 when none is.
    int IndexHolding(HWND focused) const;

    std::vector<Control*> controls_;
};

// Visible and enabled, and so are all the windows it lies in.
bool CanTakeFocus(const Control& control);
