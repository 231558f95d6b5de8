#include "toolkit/file_dialog.h"

#include <commdlg.h>

#include <string>

#include "base/cp1251.h"
#include "toolkit/system_library.h"

namespace {

using DialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

std::optional<NativePath> AskFile(Control& owner, const FileDialogArgs& args, const char* functionName, DWORD flags) {
    DialogFunction ask = nullptr;
    FindFunction(LoadSystemLibrary(L"comdlg32.dll"), functionName, ask);
    if (!ask) return std::nullopt;
    // Pairs of a name and its pattern, each ended by a NUL, the list by another.
    std::wstring filter = Cp1251ToWide(args.FilterName) + L'\0' + Cp1251ToWide(args.Pattern) + L'\0' +
                          Cp1251ToWide(args.AllFilesName) + L'\0' + L"*.*" + L'\0';
    const std::wstring title = Cp1251ToWide(args.Title);
    std::wstring file(32768, L'\0');  // room for a long path
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner.Window();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = args.DefaultExtension;
    dialog.Flags = flags | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_PATHMUSTEXIST;
    if (!ask(&dialog)) return std::nullopt;
    file.resize(file.find(L'\0'));
    return NativePath(std::move(file));
}

}  // namespace

std::optional<NativePath> AskFileToOpen(Control& owner, const FileDialogArgs& args) {
    return AskFile(owner, args, "GetOpenFileNameW", OFN_FILEMUSTEXIST);
}

std::optional<NativePath> AskFileToSave(Control& owner, const FileDialogArgs& args) {
    return AskFile(owner, args, "GetSaveFileNameW", OFN_OVERWRITEPROMPT);
}
