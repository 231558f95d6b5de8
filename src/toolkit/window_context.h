#pragma once
#include <windows.h>

#include "base/dpi_scale.h"
#include "toolkit/caption_tooltip.h"
#include "toolkit/gdi_handles.h"

class Control;

// What the controls of one top-level window ask of it, kept by that window and handed to
// every control made in it: the scale of its display, a device context to measure texts
// in, the tooltip that shows cut captions whole, and where the focus was last.
class WindowContext {
public:
    DpiScale Scale() const { return scale_; }
    // While the window passes a new scale over its controls; sizes that change on the way
    // are taken once, when the pass ends.
    bool Rescaling() const { return rescaling_; }

    // Made on first use.
    HDC MeasuringDc();
    CaptionTooltip& Tooltip() { return tooltip_; }

    // The first control made that takes the focus, later the control that had it last: the
    // focus goes back there when the window gets it.
    Control* FocusControl() const { return focusControl_; }
    void OfferFirstFocus(Control& control) {
        if (!focusControl_) focusControl_ = &control;
    }
    void RememberFocus(Control& control) { focusControl_ = &control; }

private:
    friend class Form;
    DpiScale scale_;
    bool rescaling_ = false;
    OwnedMemoryDc measuringDc_;
    CaptionTooltip tooltip_;
    Control* focusControl_ = nullptr;
};
