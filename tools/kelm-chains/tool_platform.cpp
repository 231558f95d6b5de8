#include "tool_platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#ifdef _WIN32

bool FolderExists(const NativePath& folder) {
    DWORD attributes = GetFileAttributesW(folder.Native().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string CommandLineText(const NativePath::String& text) {
    if (text.empty()) return {};
    int wideLength = static_cast<int>(text.size());
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

Utf8Console::Utf8Console() : previousCodePage_(GetConsoleOutputCP()) {
    if (previousCodePage_ != 0) SetConsoleOutputCP(CP_UTF8);
}

Utf8Console::~Utf8Console() {
    if (previousCodePage_ != 0) SetConsoleOutputCP(previousCodePage_);
}

#else

bool FolderExists(const NativePath& folder) {
    struct stat info {};
    return stat(folder.Native().c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string CommandLineText(const NativePath::String& text) { return text; }

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif
