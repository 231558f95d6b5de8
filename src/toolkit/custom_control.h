#pragma once
#include "toolkit/control.h"

struct CustomControlArgs {
    ControlArgs Common{};
    const wchar_t* ClassName = nullptr;  // registered on first use
    UINT ClassStyle = 0;
    DWORD Style = WS_CHILD | WS_VISIBLE;
    DWORD ExStyle = 0;
};

struct ScrollRange {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Position = 0;
};

// A window of a class of the caller's own; the caller attaches a message filter to give
// it its behaviour.
class CustomControl final : public Control {
public:
    static CustomControl& Create(Control& parent, const CustomControlArgs& args);

    void SetScrollBar(int bar, const ScrollRange& range);  // SB_HORZ or SB_VERT
    void CaptureMouse() { SetCapture(window_); }
    void ReleaseMouse() {
        if (window_ && GetCapture() == window_) ReleaseCapture();
    }

    // The client area changed size, other than by a change of scale.
    Event<Control&> OnResize;
    // The scale changed: once per change, after every control has its new place, whatever
    // messages the platform also sends.
    Event<Control&> OnScaleChange;

private:
    explicit CustomControl(Control& parent) : Control(&parent) {}
    bool HandleOwnMessage(const Message& message, LRESULT& result) override;
    void ScaleChanged() override { OnScaleChange(*this); }
};
