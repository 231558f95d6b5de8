#pragma once
#include <memory>
#include <string_view>

#include "toolkit/control.h"

inline constexpr const wchar_t* kFormClass = L"Form";

struct FormArgs {
    std::string_view Caption;
    LayoutPx ClientWidth{};  // 0: the default client area, 400 by 300
    LayoutPx ClientHeight{};
    bool Maximizable = true;
    bool Centred = false;  // on the screen
};

// A top-level window. It is created hidden, at its final size, and the message loop shows
// it once everything in it is in place. It keeps the context its controls share, the
// scale of its display among it, taken at creation and from WM_DPICHANGED.
//
// A form's place is its client area: SetPlace and Resize set the client size in layout
// pixels, and the window around it follows at every scale. Where the window stands on the
// screen is the user's and the platform's (CenterOnScreen, a drag, a move to another
// display): the place's left and top are not used.
class Form final : public Control {
public:
    static std::unique_ptr<Form> Create(const FormArgs& args);

    // Posts WM_CLOSE: the close happens when the message comes out of the queue.
    void Close();
    Form& CenterOnScreen();
    // The user can no longer change the window's size.
    Form& LockSize();
    Control* FocusControl() const { return Context().FocusControl(); }

    // Rescales the window and every control in it, as a move to a display of that DPI does:
    // one pass over the tree.
    void ApplyScale(DpiScale scale);
    // One layout pass over every control, once they are all made.
    void LayOut() { LayOutChildren(); }

    Event<Form&, bool&> OnClose;  // clear the flag to refuse the close

private:
    Form() : Control(std::make_unique<WindowContext>()) {}
    bool HandleOwnMessage(const Message& message, LRESULT& result) override;
    bool HandleClose();
    void FitToText() override;
    // Places and sizes the whole window, in screen pixels; flags as SetWindowPos takes them.
    void SetOuterPlace(int left, int top, int width, int height, UINT flags);

    bool sizeLocked_ = false;
    SIZE lockedSize_{};  // the outer size the user cannot change; the program's changes set it
};
