#pragma once
#include <windows.h>

#include <ostream>

#include "toolkit/pixels.h"

// Where a window really is, asked of the window itself: in its parent's client area, or on
// the screen for a top-level one.
inline DeviceRect WindowPlace(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return MakeDeviceRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

template <class Unit>
void PrintTo(Pixels<Unit> length, std::ostream* os) {
    *os << length.Value;
}

template <class Unit>
void PrintTo(const PixelRect<Unit>& rect, std::ostream* os) {
    *os << "{" << rect.Left.Value << ", " << rect.Top.Value << ", " << rect.Width.Value << " x "
        << rect.Height.Value << "}";
}
