#pragma once
#include <windows.h>

#include "base/dpi_scale.h"

// Finds a function of a system DLL at run time, or null. The newest DPI functions are
// looked up so, never linked: the program still starts on Windows 7.
using SystemFunctionLookup = FARPROC (*)(const wchar_t* dll, const char* name);

// The lookup the DPI functions go through; null puts back the real one. Tests set one that
// answers null to reach the fallbacks of older Windows.
void SetSystemFunctionLookup(SystemFunctionLookup lookup);

// The DPI of the display the window is on: the window's own (Windows 10 1607), its
// monitor's (Windows 8.1), or else the screen's.
DpiScale WindowScale(HWND window);
