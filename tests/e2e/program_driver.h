#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Drives a running program from outside its process, by window messages only, the way a
// user's actions reach it.

// A path of the build machine (CP1251 text, as the build gives it) as Windows sees it under
// Wine (Z: is the root); unchanged on Windows.
std::wstring WindowsPath(std::string_view path);

class RunningProgram {
public:
    // Starts the program with the given working folder; arguments may be empty.
    RunningProgram(const std::wstring& exe, const std::wstring& workingFolder, const std::wstring& arguments = {});
    ~RunningProgram();  // ends the program if it still runs
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    // The first visible top-level window of the program with this class, or null.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 20000) const;
    // The program's exit code, or nothing when it still runs after the timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 20000) const;
    // Waits until the program has handled everything queued so far.
    void WaitIdle() const;

private:
    PROCESS_INFORMATION process_{};
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

// What a user's pick of item index in a drop-down list sends.
void PickComboItem(HWND combo, int index);
void ClickButton(HWND button);
// Waits until the window's text is the given one; false after the timeout.
bool WaitForText(HWND window, std::string_view text, DWORD timeoutMs = 10000);
