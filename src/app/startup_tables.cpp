#include "app/startup_tables.h"

#include <windows.h>

#include "calc/tables_folder.h"
#include "toolkit/cp1251.h"
#include "ui/main_form.h"

namespace {

std::string ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::string() : WideToCp1251(path.substr(0, slash));
}

}  // namespace

std::string StartupTablesFolder() { return FindTablesFolder(std::string(), ExecutableFolder()); }

bool ReportTableProblems(Form& window) {
    const TableCheck& check = FormOf(window).TablesCheck();
    if (check.Problems.empty()) return true;
    bool usable = check.CompleteCount() > 0;
    // The window is still hidden: the box stands on its own, in the taskbar.
    MessageBoxW(nullptr, Cp1251ToWide(StartupMessageText(check)).c_str(), Cp1251ToWide(window.Text()).c_str(),
                (usable ? MB_ICONWARNING : MB_ICONERROR) | MB_OK | MB_TASKMODAL);
    return usable;
}
