#pragma once

#include <windows.h>

class Control;

// The application window is the one whose accepted close ends the message loop.
void SetApplicationWindow(Control* window);
Control* ApplicationWindow();
bool IsLoopRunning();
bool IsTerminationRequested();

// Makes window the application window, shows it, and dispatches messages until the quit
// message; then TerminateApplication.
void RunMessageLoop(Control& window);
// Handles one message taken from the queue (not the quit message): the Tab key moves the
// focus, everything else is translated and dispatched to its window.
void DispatchQueuedMessage(const MSG& message);
// Stops the loop for good and destroys the application window object.
void TerminateApplication();
// Windows is shutting down or the user logs off: terminate and end the process at once.
[[noreturn]] void EndApplicationSession();
