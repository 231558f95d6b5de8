// Checks an unpacked release folder the way a player uses it: the calculator started from
// another working folder opens with the full factory list and ends with code 0, and
// kelm-chains writes the report of every chain into a file beside it. Usage: package_smoke
// <release folder>; exit code 0 when all is well.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "program_driver.h"

namespace {

int Fail(const char* what) {
    std::printf("package smoke test: %s\n", what);
    return 1;
}

}  // namespace

// The folder stays wide: its name may hold letters of no code page.
int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return Fail("usage: package_smoke <release folder>");
    std::wstring folder = argv[1];
    std::wstring elsewhere = folder + L"\\..";

    RunningProgram calculator(folder + L"\\kelm-calc.exe", elsewhere);
    if (!calculator.Started()) return Fail("kelm-calc.exe did not start");
    HWND form = calculator.WaitForWindow(L"Form", 60000);
    if (!form) return Fail("the main window did not open");
    HWND combo = ChildAt(form, L"ComboBox", 6, 30);
    if (!combo || SendMessageW(combo, CB_GETCOUNT, 0, 0) != 96) return Fail("the factory list is not full");
    PostMessageW(form, WM_CLOSE, 0, 0);
    std::optional<DWORD> code = calculator.WaitForExit(30000);
    if (!code || *code != 0) return Fail("closing did not end the program with code 0");

    DWORD reportCode = 0;
    std::wstring reportFile = folder + L"\\report.csv";
    std::string shown = RunAndCapture(folder + L"\\kelm-chains.exe",
                                      L"report --format csv --tables \"" + folder + L"\\tables\" --output \"" +
                                          reportFile + L"\"",
                                      reportCode);
    std::ifstream in(std::filesystem::path(reportFile), std::ios::binary);
    std::string report(std::istreambuf_iterator<char>(in), {});
    std::size_t rows = 0;
    for (char c : report) rows += c == '\n';
    if (reportCode != 0 || rows != 97 || report.rfind("\xEF\xBB\xBF", 0) != 0) {
        std::printf("%s\n", shown.c_str());
        return Fail("kelm-chains report did not write the 96 chains into a file");
    }
    std::printf("package smoke test: passed\n");
    return 0;
}
