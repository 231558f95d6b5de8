#pragma once
#include <windows.h>

// Dispatches every queued message, including those that the dispatched ones queue.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
