#pragma once
#include <windows.h>

#include "toolkit/gdi_handles.h"

class Control;

// The tooltip that shows a caption cut short whole while the pointer rests on it. Its
// window is made when first needed; the toolkit's own window procedure relays the mouse
// messages of a cut caption to it.
class CaptionTooltip {
public:
    void Relay(const Control& control, const MSG& message);
    // The control's caption shows whole again, or its text changed.
    void Forget(const Control& control);

private:
    OwnedWindow window_;  // unowned by any window, so this is its one owner
};
