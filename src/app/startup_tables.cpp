#include "app/startup_tables.h"

#include <windows.h>

#include <string>

#include "base/cp1251.h"
#include "calc/tables_folder.h"
#include "ui/main_form.h"

namespace {

NativePath ExecutableFolder() {
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
    return slash == std::wstring::npos ? NativePath() : NativePath(path.substr(0, slash));
}

// Named in full, so that a message about the tables says where they were looked for.
NativePath WorkingFolder() {
    std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
    path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
    return NativePath(std::move(path));
}

}  // namespace

NativePath StartupTablesFolder() { return FindTablesFolder(WorkingFolder(), ExecutableFolder()); }

bool ReportTableProblems(Form& window, const NativePath& tablesFolder) {
    const TableCheck& check = FormOf(window).TablesCheck();
    if (!StartupMessageNeeded(check)) return true;
    bool usable = check.CompleteCount() > 0;
    std::wstring text = Cp1251ToWide("Папка с таблицами: ") + tablesFolder.Native() + L"\r\n\r\n" +
                        Cp1251ToWide(StartupMessageText(check));
    // The window is still hidden: the box stands on its own, in the taskbar.
    MessageBoxW(nullptr, text.c_str(), Cp1251ToWide(window.Text()).c_str(),
                (usable ? MB_ICONWARNING : MB_ICONERROR) | MB_OK | MB_TASKMODAL);
    return usable;
}
