#include "toolkit/display_dpi.h"

#include <gtest/gtest.h>

#include <cstring>

#include "toolkit/form.h"
#include "toolkit/gdi_handles.h"

namespace {

// Stand-ins with DPIs no display here has, so the answer tells which way was taken.
constexpr int kWindowDpi = 192;
constexpr int kMonitorDpi = 168;
UINT WINAPI FakeDpiForWindow(HWND) { return kWindowDpi; }
HRESULT WINAPI FakeDpiForMonitor(HMONITOR, int, UINT* x, UINT* y) {
    *x = *y = kMonitorDpi;
    return S_OK;
}

// Which functions the Windows the test plays has.
bool hasDpiForWindow = false;
bool hasDpiForMonitor = false;

FARPROC PlayedWindows(const wchar_t*, const char* name) {
    void (*found)() = nullptr;
    if (hasDpiForWindow && std::strcmp(name, "GetDpiForWindow") == 0)
        found = reinterpret_cast<void (*)()>(&FakeDpiForWindow);
    if (hasDpiForMonitor && std::strcmp(name, "GetDpiForMonitor") == 0)
        found = reinterpret_cast<void (*)()>(&FakeDpiForMonitor);
    return reinterpret_cast<FARPROC>(found);
}

TEST(WindowScale, OlderWindowsFallBackToTheMonitorAndThenTheScreen) {
    WindowDc screen(nullptr);
    const int screenDpi = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    auto form = Form::Create({"dpi"});
    struct Case {
        const char* windows;
        bool window, monitor;
        int expected;
    } cases[] = {
        {"10 1607", true, true, kWindowDpi},
        {"8.1", false, true, kMonitorDpi},
        {"7", false, false, screenDpi},
    };
    for (const Case& c : cases) {
        hasDpiForWindow = c.window;
        hasDpiForMonitor = c.monitor;
        SetSystemFunctionLookup(&PlayedWindows);
        EXPECT_EQ(WindowScale(form->Window()).Dpi(), c.expected) << "Windows " << c.windows;
    }
    SetSystemFunctionLookup(nullptr);
    EXPECT_EQ(WindowScale(form->Window()).Dpi(), screenDpi) << "the real functions";
}

}  // namespace
