#include "toolkit/form.h"

#include "toolkit/application.h"
#include "toolkit/display_dpi.h"

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;
constexpr LayoutPx kDefaultClientWidth = 400_lpx, kDefaultClientHeight = 300_lpx;

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

std::unique_ptr<Form> Form::Create(const FormArgs& args) {
    const DWORD style = args.Maximizable ? kFormStyle : kFormStyle & ~DWORD{WS_MAXIMIZEBOX};
    const bool sized = args.ClientWidth > 0_lpx && args.ClientHeight > 0_lpx;
    ControlArgs common{{0_lpx, 0_lpx, sized ? args.ClientWidth : kDefaultClientWidth,
                        sized ? args.ClientHeight : kDefaultClientHeight}};
    RegisterOwnClass(kFormClass, 0, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    std::unique_ptr<Form> form(new Form);
    // Hidden until the message loop shows it; the display's scale sizes it before that.
    form->CreateWindowFor({kFormClass, style, kFormExStyle}, common, args.Caption, true);
    form->ApplyScale(WindowScale(form->window_));
    if (args.Centred) form->CenterOnScreen();
    return form;
}

// Fonts first, so that the layout measures texts in the new ones; what the kinds derive
// from sizes comes last, once every place is final.
void Form::ApplyScale(DpiScale scale) {
    WindowContext& context = Context();
    context.scale_ = scale;
    context.rescaling_ = true;
    TakeScaledFont();
    FitToText();
    LayOutChildren();
    context.rescaling_ = false;
    TellScaleChanged();
}

void Form::Close() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
}

// The window is sized so that its client area is the place at the scale.
void Form::FitToText() {
    if (!window_) return;
    const DevicePx clientWidth = Scale()(Place().Width), clientHeight = Scale()(Place().Height);
    if (ClientWidth() == clientWidth && ClientHeight() == clientHeight) return;
    const RECT outer = WindowRect(window_);
    const int extraWidth = (outer.right - outer.left) - ClientWidth().Value;
    const int extraHeight = (outer.bottom - outer.top) - ClientHeight().Value;
    SetOuterPlace(0, 0, clientWidth.Value + extraWidth, clientHeight.Value + extraHeight, SWP_NOMOVE);
}

void Form::SetOuterPlace(int left, int top, int width, int height, UINT flags) {
    if (!(flags & SWP_NOSIZE)) lockedSize_ = {width, height};
    SetWindowPos(window_, nullptr, left, top, width, height, flags | SWP_NOZORDER | SWP_NOACTIVATE);
}

Form& Form::CenterOnScreen() {
    const RECT outer = WindowRect(window_);
    SetOuterPlace((GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2,
                  (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, 0, 0, SWP_NOSIZE);
    return *this;
}

Form& Form::LockSize() {
    const RECT outer = WindowRect(window_);
    lockedSize_ = {outer.right - outer.left, outer.bottom - outer.top};
    sizeLocked_ = true;
    return *this;
}

bool Form::HandleOwnMessage(const Message& message, LRESULT& result) {
    switch (message.Id) {
    case WM_SETFOCUS: {
        Control* target = Context().FocusControl();
        if (!target || !target->Window() || !target->IsEnabled() ||
            !IsWindowVisible(target->Window()))
            return false;
        target->Focus();
        result = 0;
        return true;
    }
    case WM_CLOSE:
        return HandleClose();
    case WM_ENDSESSION:
        if (message.WParam && ApplicationWindow() == this) EndApplicationSession();
        return false;
    case WM_GETMINMAXINFO: {
        if (!sizeLocked_) return false;
        auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
        info->ptMinTrackSize = info->ptMaxTrackSize = {lockedSize_.cx, lockedSize_.cy};
        return true;
    }
    case WM_NCHITTEST:
        if (!sizeLocked_) return false;
        result = DefaultProcessing(message);
        // No edge or corner may act as a sizing handle.
        if (result >= HTLEFT && result <= HTBOTTOMRIGHT) result = HTBORDER;
        return true;
    case WM_ERASEBKGND:
        return EraseWithOwnColour(message, result);
    case WM_DPICHANGED: {
        // The suggested place first: the exact client size is then set from it.
        const RECT& suggested = *reinterpret_cast<const RECT*>(message.LParam);
        SetOuterPlace(suggested.left, suggested.top, suggested.right - suggested.left,
                      suggested.bottom - suggested.top, 0);
        ApplyScale(DpiScale(LOWORD(message.WParam)));
        result = 0;
        return true;
    }
    default:
        return Control::HandleOwnMessage(message, result);
    }
}

bool Form::HandleClose() {
    bool accept = true;
    OnClose(*this, accept);
    if (!accept && IsLoopRunning()) return true;
    if (ApplicationWindow() == this)
        PostQuitMessage(0);
    else
        SetVisible(false);
    return true;
}
