#include "toolkit/display_dpi.h"

#include "toolkit/gdi_handles.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int type, UINT* x, UINT* y);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

FARPROC LookUpInSystem(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    // Only from the system folder, where shcore.dll lives from Windows 8.1 on.
    if (!module) module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? GetProcAddress(module, name) : nullptr;
}

SystemFunctionLookup lookUp = &LookUpInSystem;

template <class Function>
Function Find(const wchar_t* dll, const char* name) {
    // Through the one pointer type the compiler lets stand for any other.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(lookUp(dll, name)));
}

int ScreenDpi() {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

}  // namespace

void SetSystemFunctionLookup(SystemFunctionLookup lookup) {
    lookUp = lookup ? lookup : &LookUpInSystem;
}

DpiScale WindowScale(HWND window) {
    if (auto forWindow = Find<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow"))
        if (UINT dpi = forWindow(window)) return DpiScale(static_cast<int>(dpi));
    if (auto forMonitor = Find<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor")) {
        UINT x = 0, y = 0;
        HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
        if (SUCCEEDED(forMonitor(monitor, kEffectiveDpi, &x, &y)) && x) return DpiScale(static_cast<int>(x));
    }
    return DpiScale(ScreenDpi());
}
