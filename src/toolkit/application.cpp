#include "toolkit/application.h"

#include <windows.h>

#include <string>

#include "base/cp1251.h"
#include "toolkit/form.h"
#include "toolkit/tab_order.h"

namespace {

Form* applicationWindow = nullptr;
bool loopRunning = false;
bool terminationRequested = false;
bool internalErrorReported = false;

}  // namespace

void SetApplicationWindow(Form* window) { applicationWindow = window; }
Form* ApplicationWindow() { return applicationWindow; }
bool IsLoopRunning() { return loopRunning; }
bool IsTerminationRequested() { return terminationRequested; }

int RunMessageLoop(Form& window) {
    loopRunning = true;
    applicationWindow = &window;
    window.SetVisible(true);
    UpdateWindow(window.Window());
    int exitCode = 0;
    while (!terminationRequested) {
        WaitMessage();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                terminationRequested = true;
                exitCode = static_cast<int>(message.wParam);
                continue;
            }
            DispatchQueuedMessage(message);
        }
    }
    TerminateApplication();
    return exitCode;
}

void DispatchQueuedMessage(const MSG& message) {
    if (TabOrder::HandleTabKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void TerminateApplication() {
    terminationRequested = true;
    loopRunning = false;
    Form* window = applicationWindow;
    applicationWindow = nullptr;
    if (window) window->Destroy();
}

void EndApplicationSession() {
    TerminateApplication();
    ExitProcess(0);
}

void ReportInternalError(std::string_view what) {
    if (internalErrorReported) return;
    internalErrorReported = true;
    std::string text = "Внутренняя ошибка программы";
    if (!what.empty()) {
        text += ": ";
        text += what;
    }
    text += ".\r\nПрограмма будет закрыта.";
    HWND owner = applicationWindow ? applicationWindow->Window() : nullptr;
    MessageBoxW(owner, Cp1251ToWide(text).c_str(), L"Kelm Economic Calculator",
                MB_ICONERROR | MB_OK | (owner ? 0 : MB_TASKMODAL));
    PostQuitMessage(kInternalErrorExitCode);
}
