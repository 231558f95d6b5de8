// kelm-chains where a player on Windows sees it: in a console whatever its code page, and
// redirected into a file or a pipe.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "e2e/program_driver.h"

namespace {

constexpr SHORT kColumns = 120;
constexpr SHORT kRows = 200;

const std::wstring kTables = L" --tables \"" + WindowsPath(KELM_SOURCE_DIR "/tables") + L"\"";

struct ConsoleRun {
    DWORD ExitCode = ~DWORD(0);
    UINT CodePageAfter = 0;
    std::vector<std::wstring> Lines;  // the screen's lines, blanks at their ends dropped
    std::string Failed;               // the step that failed and its error, for the message
};

// The tool run in a console of its own: a new console, set to code page 866 (DOS Cyrillic,
// where UTF-8 bytes show as nonsense) and to kColumns by kRows before the tool writes a
// letter, which this process holds on to. Then what the screen shows once the tool has
// ended.
ConsoleRun RunInConsole(const std::wstring& arguments) {
    ConsoleRun run;
    FreeConsole();
    if (!AllocConsole()) {
        run.Failed = "AllocConsole: " + std::to_string(GetLastError());
        return run;
    }
    OwnedKernelHandle screen(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    SetConsoleOutputCP(866);
    SetConsoleScreenBufferSize(screen.Get(), {kColumns, kRows});
    SMALL_RECT window{0, 0, kColumns - 1, 24};
    SetConsoleWindowInfo(screen.Get(), TRUE, &window);

    std::wstring commandLine = L"\"" + WindowsPath(KELM_CHAINS_EXE) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        OwnedKernelHandle thread(process.hThread), child(process.hProcess);
        WaitForSingleObject(child.Get(), 20000);
        GetExitCodeProcess(child.Get(), &run.ExitCode);
    } else {
        run.Failed = "CreateProcessW: " + std::to_string(GetLastError());
    }
    run.CodePageAfter = GetConsoleOutputCP();

    std::wstring cells(static_cast<std::size_t>(kColumns) * kRows, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen.Get(), cells.data(), static_cast<DWORD>(cells.size()), {0, 0}, &read);
    for (std::size_t start = 0; start < read; start += kColumns) {
        std::wstring line = cells.substr(start, kColumns);
        line.erase(line.find_last_not_of(L' ') + 1);
        run.Lines.push_back(line);
    }
    while (!run.Lines.empty() && run.Lines.back().empty()) run.Lines.pop_back();
    FreeConsole();
    return run;
}

TEST(KelmChainsConsole, RussianReadsRightInAConsoleOfAnyCodePageAndItsCodePageStays) {
    ConsoleRun check = RunInConsole(L"check" + kTables);
    EXPECT_EQ(check.ExitCode, 0u) << check.Failed;
    EXPECT_EQ(check.CodePageAfter, 866u);
    ASSERT_EQ(check.Lines.size(), 1u);
    EXPECT_EQ(check.Lines[0], Cp1251ToWide("Ошибок нет. Фабрик с полными цепочками: 96 из 96."));

    // The report's rows are wider than the console: the names give way, so each row is one
    // line of the screen.
    ConsoleRun report = RunInConsole(L"report" + kTables);
    EXPECT_EQ(report.ExitCode, 0u);
    ASSERT_EQ(report.Lines.size(), 97u);
    for (const std::wstring& line : report.Lines) EXPECT_LT(line.size(), static_cast<std::size_t>(kColumns));
    EXPECT_EQ(report.Lines[1].rfind(Cp1251ToWide("    0  Станкостро"), 0), 0u);
    EXPECT_NE(report.Lines[1].find(L'\x2026'), std::wstring::npos);
}

TEST(KelmChainsConsole, RedirectedOutputIsUtf8WithoutAMarkAndWithWholeNames) {
    DWORD exitCode = 0;
    std::string check = RunAndCapture(WindowsPath(KELM_CHAINS_EXE), L"check" + kTables, exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(check, Cp1251ToUtf8("Ошибок нет. Фабрик с полными цепочками: 96 из 96.\r\n"));
    std::string report = RunAndCapture(WindowsPath(KELM_CHAINS_EXE), L"report" + kTables, exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(report.find(Cp1251ToUtf8("\r\n    0  Станкостроительный завод «Каменск»  ")), report.find("\r\n"));
}

}  // namespace
