#include "toolkit/form.h"

#include <algorithm>

#include "base/cp1251.h"
#include "toolkit/application.h"
#include "toolkit/display_dpi.h"
#include "toolkit/system_library.h"

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
    const DWORD exStyle = kFormExStyle | (args.AcceptsFiles ? DWORD{WS_EX_ACCEPTFILES} : 0);
    const bool sized = args.ClientWidth > 0_lpx && args.ClientHeight > 0_lpx;
    ControlArgs common{{0_lpx, 0_lpx, sized ? args.ClientWidth : kDefaultClientWidth,
                        sized ? args.ClientHeight : kDefaultClientHeight}};
    RegisterOwnClass(kFormClass, 0, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    std::unique_ptr<Form> form(new Form);
    // Hidden until the message loop shows it; the display's scale sizes it before that.
    form->CreateWindowFor({kFormClass, style, exStyle}, common, args.Caption, true);
    form->title_ = args.Caption;
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
    case WM_SYSCOMMAND:
        return HandleMenuCommand(static_cast<int>(message.WParam & 0xFFF0));
    case WM_COMMAND:
        // An accelerator's command comes this way when no menu item has its id.
        return !message.LParam && HIWORD(message.WParam) == 1 && HandleMenuCommand(LOWORD(message.WParam));
    case WM_DROPFILES:
        TakeDroppedFiles(reinterpret_cast<HDROP>(message.WParam));
        return true;
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

void Form::AddMenuCommand(int id, std::string_view text) {
    HMENU menu = GetSystemMenu(window_, FALSE);
    if (menuCommands_.empty()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), Cp1251ToWide(text).c_str());
    menuCommands_.push_back(id);
}

void Form::EnableMenuCommand(int id, bool enabled) {
    EnableMenuItem(GetSystemMenu(window_, FALSE), static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Form::ShowNameInTitle(const std::wstring& name) {
    std::wstring title = Cp1251ToWide(title_);
    if (!name.empty()) title += L" \u2014 " + name;
    SetWindowTextW(window_, title.c_str());
}

// A greyed command does nothing, however it comes: automation may post it all the same.
bool Form::HandleMenuCommand(int id) {
    if (std::find(menuCommands_.begin(), menuCommands_.end(), id) == menuCommands_.end()) return false;
    const UINT state = GetMenuState(GetSystemMenu(window_, FALSE), static_cast<UINT>(id), MF_BYCOMMAND);
    if (!(state & (MF_GRAYED | MF_DISABLED))) OnMenuCommand(*this, id);
    return true;
}

// shell32 only when something is dropped: the program starts without it.
void Form::TakeDroppedFiles(HDROP drop) {
    using QueryFunction = UINT(WINAPI*)(HDROP, UINT, LPWSTR, UINT);
    using FinishFunction = void(WINAPI*)(HDROP);
    HMODULE shell = LoadSystemLibrary(L"shell32.dll");
    QueryFunction query = nullptr;
    FinishFunction finish = nullptr;
    FindFunction(shell, "DragQueryFileW", query);
    FindFunction(shell, "DragFinish", finish);
    if (!query || !finish) return;
    std::wstring file;
    if (const UINT length = query(drop, 0, nullptr, 0)) {
        file.resize(length + 1);
        file.resize(query(drop, 0, file.data(), length + 1));
    }
    finish(drop);
    if (!file.empty()) OnFileDrop(*this, NativePath(std::move(file)));
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
