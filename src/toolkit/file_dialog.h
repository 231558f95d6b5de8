#pragma once
#include <optional>
#include <string_view>

#include "base/native_path.h"
#include "toolkit/control.h"

// The platform's common file dialogs, from comdlg32, loaded when first asked for.
struct FileDialogArgs {
    std::string_view Title;
    std::string_view FilterName;   // "Книги цен (*.txt)"
    std::string_view Pattern;      // "*.txt"
    std::string_view AllFilesName; // "Все файлы"
    const wchar_t* DefaultExtension = L"txt";
};

// The file the player chose, or nothing when the dialog was cancelled or could not open.
std::optional<NativePath> AskFileToOpen(Control& owner, const FileDialogArgs& args);
// Asks before a file that is there is replaced.
std::optional<NativePath> AskFileToSave(Control& owner, const FileDialogArgs& args);
