#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "e2e/program_driver.h"
#include "toolkit/application.h"

// The real program, started as its own process and driven by window messages only.

namespace {

constexpr DWORD kPatience = 30000;  // native milliseconds; Wine starts processes slowly

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

TEST_F(KelmCalcTest, AboutShowsItsBoxOverTheDisabledWindow) {
    HWND about = Child("Button", "О программе");
    ASSERT_NE(about, nullptr);
    for (int time = 0; time < 2; ++time) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(about), BN_CLICKED),
                     reinterpret_cast<LPARAM>(about));
        HWND box = nullptr;
        program_.WaitUntil([&] { return (box = BoxOfThread(window)) != nullptr; }, kPatience);
        ASSERT_NE(box, nullptr) << "showing " << time + 1;
        wchar_t caption[64] = {};
        GetWindowTextW(box, caption, 64);
        EXPECT_EQ(WideToCp1251(caption), "О программе");
        EXPECT_EQ(GetWindow(box, GW_OWNER), window);
        // The box is found as soon as it is made, before it disables its owner.
        EXPECT_TRUE(program_.WaitUntil([&] { return !IsWindowEnabled(window); }, kPatience)) << "the box is modal";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(program_.WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }, kPatience));
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

// The calculator linked as the release is, with an About handler that fails through the
// standard library (failing_about.cpp): caught by the window procedure, or escaping to the
// terminate handler. Either way the player is told once, over the window, and the program
// ends with the internal error's code.
class FailingHandlerTest : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(FailingHandlerTest, IsToldInOneBoxThenTheProgramEndsWithTheInternalErrorCode) {
    SetEnvironmentVariableW(L"KELM_ABOUT_FAILS", GetParam());
    RunningProgram program(WindowsPath(KELM_CALC_FAILING_EXE), WindowsPath(KELM_SOURCE_DIR));
    SetEnvironmentVariableW(L"KELM_ABOUT_FAILS", nullptr);
    HWND window = program.WaitForWindow(L"Form", kPatience);
    ASSERT_NE(window, nullptr);
    HWND about = FindByText(window, L"Button", "О программе");
    ASSERT_NE(about, nullptr);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(about), BN_CLICKED), reinterpret_cast<LPARAM>(about));
    HWND box = program.WaitForWindow(L"#32770", kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "Внутренняя ошибка программы: vector::reserve.\r\nПрограмма будет закрыта.");
    EXPECT_EQ(GetWindow(box, GW_OWNER), window);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    // A second box would keep the program waiting.
    EXPECT_EQ(program.WaitForExit(kPatience), DWORD{kInternalErrorExitCode});
}

INSTANTIATE_TEST_SUITE_P(CaughtAndUncaught, FailingHandlerTest, ::testing::Values(L"", L"uncaught"),
                         [](const auto& info) { return info.index == 0 ? "caught" : "uncaught"; });

}  // namespace
