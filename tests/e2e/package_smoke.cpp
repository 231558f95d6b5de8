// Checks an unpacked release folder the way a player uses it: the calculator started from
// another working folder opens with the full factory list and ends with code 0, and
// kelm-chains reports every chain. Usage: package_smoke <release folder>; exit code 0 when
// all is well.
#include <cstdio>
#include <string>

#include "program_driver.h"
#include "toolkit/cp1251.h"

namespace {

int Fail(const char* what) {
    std::printf("package smoke test: %s\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return Fail("usage: package_smoke <release folder>");
    std::string folder = WideToCp1251(argv[1]);
    std::string elsewhere = folder + "\\..";

    RunningProgram calculator(folder + "\\kelm-calc.exe", elsewhere);
    if (!calculator.Started()) return Fail("kelm-calc.exe did not start");
    HWND form = calculator.WaitForWindow(L"Form", 60000);
    if (!form) return Fail("the main window did not open");
    HWND combo = ChildAt(form, L"ComboBox", 6, 30);
    if (!combo || SendMessageW(combo, CB_GETCOUNT, 0, 0) != 96) return Fail("the factory list is not full");
    PostMessageW(form, WM_CLOSE, 0, 0);
    std::optional<DWORD> code = calculator.WaitForExit(30000);
    if (!code || *code != 0) return Fail("closing did not end the program with code 0");

    DWORD reportCode = 0;
    std::string report = RunAndCapture(folder + "\\kelm-chains.exe",
                                       "report --format csv --tables \"" + folder + "\\tables\"", reportCode);
    std::size_t rows = 0;
    for (char c : report) rows += c == '\n';
    if (reportCode != 0 || rows != 97) {
        std::printf("%s\n", report.c_str());
        return Fail("kelm-chains report did not list the 96 chains");
    }
    std::printf("package smoke test: passed (%s)\n", Cp1251ToUtf8(folder).c_str());
    return 0;
}
