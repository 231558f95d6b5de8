#include "tool_platform.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include "toolkit/cp1251.h"
#endif

bool FolderExists(const std::string& folder) {
#ifdef _WIN32
    std::filesystem::path path(Cp1251ToWide(folder));
#else
    std::filesystem::path path(folder);
#endif
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::string CommandLineText(const std::string& text) {
#ifdef _WIN32
    return Cp1251ToUtf8(text);
#else
    return text;
#endif
}

#ifdef _WIN32
Utf8Console::Utf8Console() : previousCodePage_(GetConsoleOutputCP()) {
    if (previousCodePage_ != 0) SetConsoleOutputCP(CP_UTF8);
}

Utf8Console::~Utf8Console() {
    if (previousCodePage_ != 0) SetConsoleOutputCP(previousCodePage_);
}
#else
Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;
#endif
