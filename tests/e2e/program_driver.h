#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/gdi_handles.h"

// Drives a running program from outside its process, by window messages only, the way a
// user's actions reach it.

// A path of the build machine (CP1251 text, as the build gives it) as Windows sees it under
// Wine (Z: is the root); unchanged on Windows.
std::wstring WindowsPath(std::string_view path);

// How many times the native time a wait may take: the harness sets KELM_WAIT_FACTOR where
// the programs run under emulation.
DWORD Patience(DWORD nativeMs);

struct KernelHandleFree {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedKernelHandle = OwnedHandle<HANDLE, KernelHandleFree>;

// A process started inside a job of its own: closing the job ends the process and all it
// started, so nothing a test starts outlives the test, whether it passes or fails.
struct JobProcess {
    OwnedKernelHandle Job;
    OwnedKernelHandle Process;
    DWORD Id = 0;
};

class RunningProgram {
public:
    // Starts the program with the given working folder; arguments may be empty.
    RunningProgram(const std::wstring& exe, const std::wstring& workingFolder, const std::wstring& arguments = {});
    ~RunningProgram();  // ends the program if it still runs
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return static_cast<bool>(program_.Process); }
    // The first visible top-level window of the program with this class, or null.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 20000) const;
    // The program's exit code, or nothing when it still runs after the timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 20000) const;
    // Waits until the window's text is the given one; false after the timeout.
    bool WaitForText(HWND window, std::string_view text, DWORD timeoutMs = 10000) const;
    // Waits until done() holds or the program ends; false after the timeout. Timeouts are
    // native times, stretched by Patience.
    bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) const;

private:
    JobProcess program_;
};

// Runs a console program to its end and returns what it wrote to its standard output.
std::string RunAndCapture(const std::wstring& exe, const std::wstring& arguments, DWORD& exitCode);

std::string TextOf(HWND window);
std::vector<HWND> ChildrenOf(HWND parent);  // direct children, in z-order
// The direct child of the class whose top-left corner, in the parent's client area, is (x, y).
HWND ChildAt(HWND parent, const wchar_t* className, int x, int y);
// The first window of the class with the text, searched among all descendants.
HWND FindByText(HWND root, const wchar_t* className, std::string_view text);
// The rectangle of a window in its parent's client area.
RECT RectInParent(HWND window);
// A visible box (a dialog, class #32770) that the thread of `window` shows, other than
// `besides`; null when there is none.
HWND BoxOfThread(HWND window, HWND besides = nullptr);

// What a user's pick of item index in a drop-down list sends.
void PickComboItem(HWND combo, int index);
void ClickButton(HWND button);
