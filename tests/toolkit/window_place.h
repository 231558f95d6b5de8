#pragma once
#include <windows.h>

#include "base/pixels.h"
#include "toolkit/device_rect.h"
#include "toolkit/pixels_print.h"

// Where a window really is, asked of the window itself: in its parent's client area, or on
// the screen for a top-level one.
inline DeviceRect WindowPlace(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return FromRect(rect);
}
