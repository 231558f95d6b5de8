#pragma once
#include <memory>
#include <string_view>

#include "toolkit/control.h"

inline constexpr const wchar_t* kFormClass = L"Form";

// Sizes in layout pixels (96 DPI).
struct FormArgs {
    std::string_view Caption;
    int ClientWidth = 0;  // 0: the default size of the whole window, 400 by 300
    int ClientHeight = 0;
    bool Maximizable = true;
    bool Centred = false;  // on the screen
};

// A top-level window. It is created hidden, at its final size, and the message loop shows
// it once everything in it is in place. It takes the DPI of its display at creation and
// from WM_DPICHANGED, and scales its client size and its controls to it.
class Form final : public Control {
public:
    static std::unique_ptr<Form> Create(const FormArgs& args);

    // Posts WM_CLOSE: the close happens when the message comes out of the queue.
    void Close();
    Form& ResizeClient(int width, int height);  // 0 or less keeps that dimension
    Form& CenterOnScreen();
    // The user can no longer change the window's size.
    Form& LockSize();
    // The first control created that takes the focus, later the control that had it last:
    // the focus goes back there when the window gets it.
    Control* FocusControl() const { return focusControl_; }
    // A device context for measuring texts, made on first use.
    HDC MeasuringDc();

    DpiScale Scale() const { return scale_; }
    // Rescales the window and every control in it, as a move to a display of that DPI does.
    void ApplyScale(DpiScale scale);

    Event<Form&, bool&> OnClose;  // clear the flag to refuse the close
    // Raised after a rescale: the owner redoes what it computed from the controls' places.
    Event<Form&> OnScaleChange;

private:
    friend class Control;
    Form() : Control(nullptr) {}
    void OfferFirstFocus(Control& control);
    void RememberFocus(Control& control) { focusControl_ = &control; }
    bool HandleOwnMessage(const Message& message, LRESULT& result) override;
    bool HandleClose();

    Control* focusControl_ = nullptr;
    DpiScale scale_;
    int layoutClientWidth_ = 0;
    int layoutClientHeight_ = 0;

    bool sizeLocked_ = false;
    OwnedMemoryDc measuringDc_;
};
