#pragma once
#include <windows.h>

#include "toolkit/application.h"

// Dispatches every queued message as the message loop does, including those that the
// dispatched ones queue.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchQueuedMessage(message);
    }
}
