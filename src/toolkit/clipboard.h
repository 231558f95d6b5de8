#pragma once
#include <windows.h>

#include <string_view>

// Puts program text on the clipboard as Unicode text, owned by the window; false when the
// clipboard could not be had (another program holds it open).
bool CopyToClipboard(HWND owner, std::string_view text);
