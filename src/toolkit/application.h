#pragma once

#include <windows.h>

#include <string_view>

class Form;

// The exit code of a program that ended on an internal error.
inline constexpr int kInternalErrorExitCode = 3;

// The application window is the one whose accepted close ends the message loop.
void SetApplicationWindow(Form* window);
Form* ApplicationWindow();
bool IsLoopRunning();
bool IsTerminationRequested();

// Makes window the application window, shows it, and dispatches messages until the quit
// message; then TerminateApplication. Returns the program's exit code.
int RunMessageLoop(Form& window);
// Handles one message taken from the queue (not the quit message): the Tab key moves the
// focus, everything else is translated and dispatched to its window.
void DispatchQueuedMessage(const MSG& message);
// Stops the loop for good and destroys the application window object.
void TerminateApplication();
// Windows is shutting down or the user logs off: terminate and end the process at once.
[[noreturn]] void EndApplicationSession();

// Something failed that the program cannot go on from, such as a handler of a message:
// the player is told once what it was, over the application window, and the message loop
// ends with kInternalErrorExitCode. what may be empty when nothing is known.
void ReportInternalError(std::string_view what);
