#include "toolkit/form.h"

#include "toolkit/application.h"

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;
constexpr Bounds kDefaultBounds{0, 0, 400, 300};

}  // namespace

std::unique_ptr<Form> Form::Create(const FormArgs& args) {
    const DWORD style = args.Maximizable ? kFormStyle : kFormStyle & ~DWORD{WS_MAXIMIZEBOX};
    ControlArgs common{kDefaultBounds};
    if (args.ClientWidth > 0 && args.ClientHeight > 0) {
        RECT outer{0, 0, args.ClientWidth, args.ClientHeight};
        AdjustWindowRectEx(&outer, style, FALSE, kFormExStyle);
        common.Place = {0, 0, outer.right - outer.left, outer.bottom - outer.top};
    }
    if (args.Centred) {
        common.Place.Left = (GetSystemMetrics(SM_CXSCREEN) - common.Place.Width) / 2;
        common.Place.Top = (GetSystemMetrics(SM_CYSCREEN) - common.Place.Height) / 2;
    }
    RegisterOwnClass(kFormClass, 0, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    std::unique_ptr<Form> form(new Form);
    // Hidden until the message loop shows it.
    form->CreateWindowFor({kFormClass, style, kFormExStyle}, common, args.Caption, true);
    return form;
}

void Form::Close() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
}

Form& Form::ResizeClient(int width, int height) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    int extraWidth = (outer.right - outer.left) - client.right;
    int extraHeight = (outer.bottom - outer.top) - client.bottom;
    Resize(width > 0 ? width + extraWidth : 0, height > 0 ? height + extraHeight : 0);
    return *this;
}

Form& Form::CenterOnScreen() {
    MoveTo((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2,
           (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
    return *this;
}

Form& Form::LockSize() {
    sizeLocked_ = true;
    return *this;
}

HDC Form::MeasuringDc() {
    if (!measuringDc_) measuringDc_.Reset(CreateCompatibleDC(nullptr));
    return measuringDc_.Get();
}

void Form::OfferFirstFocus(Control& control) {
    if (!focusControl_) focusControl_ = &control;
}

bool Form::HandleOwnMessage(const Message& message, LRESULT& result) {
    switch (message.Id) {
    case WM_SETFOCUS: {
        Control* target = focusControl_;
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
        info->ptMinTrackSize = info->ptMaxTrackSize = {Width(), Height()};
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
