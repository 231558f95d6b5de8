#pragma once
#include <memory>
#include <string_view>

#include "toolkit/caption_tooltip.h"
#include "toolkit/control.h"

inline constexpr const wchar_t* kFormClass = L"Form";

struct FormArgs {
    std::string_view Caption;
    LayoutPx ClientWidth;  // 0: the default size of the whole window, 400 by 300
    LayoutPx ClientHeight;
    bool Maximizable = true;
    bool Centred = false;  // on the screen
};

// A top-level window. It is created hidden, at its final size, and the message loop shows
// it once everything in it is in place. It holds the scale of its display, taken at
// creation and from WM_DPICHANGED; everything inside asks it for the scale.
class Form final : public Control {
public:
    static std::unique_ptr<Form> Create(const FormArgs& args);

    // Posts WM_CLOSE: the close happens when the message comes out of the queue.
    void Close();
    Form& ResizeClient(LayoutPx width, LayoutPx height);  // 0 or less keeps that dimension
    Form& CenterOnScreen();
    // The user can no longer change the window's size.
    Form& LockSize();
    // The first control created that takes the focus, later the control that had it last:
    // the focus goes back there when the window gets it.
    Control* FocusControl() const { return focusControl_; }
    // A device context for measuring texts, made on first use.
    HDC MeasuringDc();

    DpiScale Scale() const { return scale_; }
    // Rescales the window and every control in it, as a move to a display of that DPI does:
    // one pass over the tree.
    void ApplyScale(DpiScale scale);
    // One layout pass over every control, once they are all made.
    void LayOut() { LayOutChildren(); }
    CaptionTooltip& Tooltip() { return tooltip_; }

    Event<Form&, bool&> OnClose;  // clear the flag to refuse the close

private:
    friend class Control;
    Form() : Control(nullptr) {}
    void OfferFirstFocus(Control& control);
    void RememberFocus(Control& control) { focusControl_ = &control; }
    bool HandleOwnMessage(const Message& message, LRESULT& result) override;
    bool HandleClose();
    // Places and sizes the whole window, in screen pixels; flags as SetWindowPos takes them.
    void SetOuterPlace(int left, int top, int width, int height, UINT flags);

    Control* focusControl_ = nullptr;
    DpiScale scale_;
    LayoutPx layoutClientWidth_;
    LayoutPx layoutClientHeight_;

    bool sizeLocked_ = false;
    SIZE lockedSize_{};  // the outer size the user cannot change; the program's changes set it
    OwnedMemoryDc measuringDc_;
    CaptionTooltip tooltip_;
};
