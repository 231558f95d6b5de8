#pragma once

class Control;

// The application window is the one whose accepted close ends the message loop.
void SetApplicationWindow(Control* window);
Control* ApplicationWindow();
bool IsLoopRunning();
bool IsTerminationRequested();

// Makes window the application window, shows it, and dispatches messages until the quit
// message; then TerminateApplication.
void RunMessageLoop(Control& window);
// Stops the loop for good and destroys the application window object.
void TerminateApplication();
// Windows is shutting down or the user logs off: terminate and end the process at once.
[[noreturn]] void EndApplicationSession();
