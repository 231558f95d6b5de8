#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/program_driver.h"
#include "toolkit/cp1251.h"

// The real program, started as its own process and driven by window messages only.

namespace {

constexpr DWORD kPatience = 30000;  // milliseconds; Wine starts processes slowly

class KelmCalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program_.Started());
        window = program_.WaitForWindow(L"Form", kPatience);
        ASSERT_NE(window, nullptr) << "the main window never showed";
    }

    // Waits for the program to end; its exit code, or -1 when it keeps running.
    long ExitCode() {
        std::optional<DWORD> code = program_.WaitForExit(kPatience);
        return code ? static_cast<long>(*code) : -1;
    }

    HWND Child(const char* className, const char* text) {
        return FindWindowExW(window, nullptr, Cp1251ToWide(className).c_str(),
                             Cp1251ToWide(text).c_str());
    }

    RunningProgram program_{WindowsPath(KELM_CALC_EXE), WindowsPath(KELM_SOURCE_DIR)};
    HWND window = nullptr;
};

TEST_F(KelmCalcTest, CloseButtonEndsTheProgramWithCodeZero) {
    HWND close = Child("Button", "Закрыть");
    ASSERT_NE(close, nullptr);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(close), BN_CLICKED),
                 reinterpret_cast<LPARAM>(close));
    EXPECT_EQ(ExitCode(), 0);
}

TEST_F(KelmCalcTest, CloseBoxEndsTheProgramWithCodeZero) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(ExitCode(), 0);
}

TEST_F(KelmCalcTest, EndOfTheSessionEndsTheProgramWithCodeZero) {
    PostMessageW(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(ExitCode(), 0);
}

struct BoxSearch {
    DWORD thread;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<BoxSearch*>(data);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

TEST_F(KelmCalcTest, AboutShowsItsBoxOverTheDisabledWindow) {
    HWND about = Child("Button", "О программе");
    ASSERT_NE(about, nullptr);
    for (int time = 0; time < 2; ++time) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(about), BN_CLICKED),
                     reinterpret_cast<LPARAM>(about));
        BoxSearch search{GetWindowThreadProcessId(window, nullptr), nullptr};
        for (DWORD waited = 0; !search.found && waited < kPatience; waited += 100) {
            EnumThreadWindows(search.thread, &MatchBox, reinterpret_cast<LPARAM>(&search));
            if (!search.found) Sleep(100);
        }
        ASSERT_NE(search.found, nullptr) << "showing " << time + 1;
        wchar_t caption[64] = {};
        GetWindowTextW(search.found, caption, 64);
        EXPECT_EQ(WideToCp1251(caption), "О программе");
        EXPECT_EQ(GetWindow(search.found, GW_OWNER), window);
        EXPECT_FALSE(IsWindowEnabled(window)) << "the box is modal";
        PostMessageW(search.found, WM_COMMAND, IDOK, 0);
        for (DWORD waited = 0; !IsWindowEnabled(window) && waited < kPatience; waited += 100)
            Sleep(100);
        EXPECT_TRUE(IsWindowEnabled(window));
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCode(), 0);
}

TEST_F(KelmCalcTest, TheWindowOpensCentredFilledAndFixedInSize) {
    wchar_t caption[128] = {};
    GetWindowTextW(window, caption, 128);
    EXPECT_EQ(WideToCp1251(caption), "Программа для расчета производственных цепочек в Kelm");
    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(client.right, 722);
    EXPECT_EQ(client.bottom, 586);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(outer.right - 2, outer.bottom - 2)),
              HTBORDER);
    HWND combo = FindWindowExW(window, nullptr, L"ComboBox", nullptr);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 96);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCode(), 0);
}

// The executable's resources, read from the file as Windows reads them.
class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExW(WindowsPath(KELM_CALC_EXE).c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }
    HMODULE module = nullptr;
};

TEST_F(ResourcesTest, IconIsOne64By64ImageWith256Colours) {
    HRSRC group = FindResourceW(module, L"MAINICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    auto* header = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(header + 4), 1) << "one image";
    EXPECT_EQ(header[6], 64);
    EXPECT_EQ(header[7], 64);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(header + 12), 8) << "bits per pixel";
}

TEST_F(ResourcesTest, ManifestAsksForCommonControls6AndPerMonitorDpi) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    auto* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
    std::string manifest(text, SizeofResource(module, found));
    EXPECT_NE(manifest.find("name=\"Kelm Economic Calculator\""), std::string::npos);
    EXPECT_NE(manifest.find("version=\"1.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
    EXPECT_NE(manifest.find(sizeof(void*) == 8 ? "processorArchitecture=\"amd64\""
                                               : "processorArchitecture=\"x86\""),
              std::string::npos);
    EXPECT_NE(manifest.find("2005/WindowsSettings\">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"),
              std::string::npos);
}

TEST_F(ResourcesTest, VersionRecordIsRussianWithTheDescription) {
    std::wstring exe = WindowsPath(KELM_CALC_EXE);
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0419);
    EXPECT_EQ(translation[1], 1251);
    wchar_t* description = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\041904E3\\FileDescription",
                               reinterpret_cast<void**>(&description), &length));
    EXPECT_EQ(WideToCp1251(description), "Расчет производственных цепочек Kelm");
}

}  // namespace
