#pragma once
#include <windows.h>

#include "base/pixels.h"

// Device rectangles as Win32 takes and gives them: edges instead of a place and a size.
inline RECT ToRect(const DeviceRect& rect) {
    return {rect.Left.Value, rect.Top.Value, rect.Right().Value, rect.Bottom().Value};
}
inline DeviceRect FromRect(const RECT& rect) {
    return MakeDeviceRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}
