#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "base/pixels.h"

// A borrowed window handle with the calls every kind of window answers. It owns nothing:
// copying it copies the handle, and the window lives as long as its owner says. Texts are
// CP1251; the window gets them as UTF-16.
class WindowView {
public:
    WindowView() = default;
    explicit WindowView(HWND window) : window_(window) {}

    HWND Window() const { return window_; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return window_ ? SendMessageW(window_, message, wParam, lParam) : 0;
    }

    std::string Text() const;
    void SetText(std::string_view text) const;
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)); }
    DWORD ExStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)); }
    // The window's own flag, whatever its parents are.
    bool IsVisible() const { return (Style() & WS_VISIBLE) != 0; }
    bool IsEnabled() const { return window_ && IsWindowEnabled(window_); }
    DevicePx ClientWidth() const { return DevicePx(ClientRect().right); }
    DevicePx ClientHeight() const { return DevicePx(ClientRect().bottom); }
    void Invalidate() const { InvalidateRect(window_, nullptr, TRUE); }
    bool HasFocus() const { return window_ && GetFocus() == window_; }
    void Focus() const { SetFocus(window_); }

private:
    RECT ClientRect() const {
        RECT client{};
        if (window_) GetClientRect(window_, &client);
        return client;
    }

protected:
    HWND window_ = nullptr;
};
