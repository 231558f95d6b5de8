#include "toolkit/form.h"

#include "toolkit/application.h"
#include "toolkit/display_dpi.h"

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;
constexpr Bounds kDefaultBounds{0, 0, 400, 300};

// Every window inside control hears message; a grid closes an open edit before a rescale
// and takes the new scale after it. Windows sends these to the children itself, Wine not.
void TellDescendants(const Control& control, UINT message) {
    for (int i = 0; i < control.ChildCount(); ++i) {
        control.Child(i).Send(message);
        TellDescendants(control.Child(i), message);
    }
}

}  // namespace

std::unique_ptr<Form> Form::Create(const FormArgs& args) {
    const DWORD style = args.Maximizable ? kFormStyle : kFormStyle & ~DWORD{WS_MAXIMIZEBOX};
    ControlArgs common{kDefaultBounds};
    const bool sized = args.ClientWidth > 0 && args.ClientHeight > 0;
    if (sized) {
        RECT outer{0, 0, args.ClientWidth, args.ClientHeight};
        AdjustWindowRectEx(&outer, style, FALSE, kFormExStyle);
        common.Place = {0, 0, outer.right - outer.left, outer.bottom - outer.top};
    }
    RegisterOwnClass(kFormClass, 0, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    std::unique_ptr<Form> form(new Form);
    // Hidden until the message loop shows it.
    form->CreateWindowFor({kFormClass, style, kFormExStyle}, common, args.Caption, true);
    // The client size at the display's DPI, measured against the real frame.
    form->layoutClientWidth_ = sized ? args.ClientWidth : form->ClientWidth();
    form->layoutClientHeight_ = sized ? args.ClientHeight : form->ClientHeight();
    form->ApplyScale(WindowScale(form->window_));
    if (args.Centred) form->CenterOnScreen();
    return form;
}

void Form::ApplyScale(DpiScale scale) {
    TellDescendants(*this, WM_DPICHANGED_BEFOREPARENT);
    scale_ = scale;
    GetFont().SetScale(scale);
    ResizeClient(scale(layoutClientWidth_), scale(layoutClientHeight_));
    for (auto& child : children_) child->Rescale(scale);
    TellDescendants(*this, WM_DPICHANGED_AFTERPARENT);
    OnScaleChange(*this);
}

void Form::Close() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
}

Form& Form::ResizeClient(int width, int height) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    if (client.right == width && client.bottom == height) return *this;  // as created, at 96 DPI
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
    case WM_DPICHANGED: {
        // The suggested place first: the exact client size is then set from it.
        const RECT& suggested = *reinterpret_cast<const RECT*>(message.LParam);
        SetBounds({suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top});
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
