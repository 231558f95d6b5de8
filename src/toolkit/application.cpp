#include "toolkit/application.h"

#include <windows.h>

#include "toolkit/control.h"
#include "toolkit/tab_order.h"

namespace {

Control* applicationWindow = nullptr;
bool loopRunning = false;
bool terminationRequested = false;

}  // namespace

void SetApplicationWindow(Control* window) { applicationWindow = window; }
Control* ApplicationWindow() { return applicationWindow; }
bool IsLoopRunning() { return loopRunning; }
bool IsTerminationRequested() { return terminationRequested; }

void RunMessageLoop(Control& window) {
    loopRunning = true;
    applicationWindow = &window;
    window.SetVisible(true);
    UpdateWindow(window.Window());
    while (!terminationRequested) {
        WaitMessage();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                terminationRequested = true;
                continue;
            }
            DispatchQueuedMessage(message);
        }
    }
    TerminateApplication();
}

void DispatchQueuedMessage(const MSG& message) {
    if (TabOrder::HandleTabKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void TerminateApplication() {
    terminationRequested = true;
    loopRunning = false;
    Control* window = applicationWindow;
    applicationWindow = nullptr;
    if (window) window->Destroy();
}

void EndApplicationSession() {
    TerminateApplication();
    ExitProcess(0);
}
