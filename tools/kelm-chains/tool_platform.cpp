#include "tool_platform.h"

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#endif

namespace {

std::FILE* FileOf(StandardStream stream) { return stream == StandardStream::Output ? stdout : stderr; }

bool WriteBytes(StandardStream stream, std::string_view bytes) {
    std::FILE* file = FileOf(stream);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fflush(file) == 0 && written;
}

}  // namespace

#ifdef _WIN32

namespace {

HANDLE HandleOf(StandardStream stream) {
    return GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

std::wstring Utf8ToWide(std::string_view utf8) {
    if (utf8.empty()) return {};
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

// Consoles of older Windows refuse a single write of more than about 64 KB.
constexpr std::size_t kConsoleChunk = 8192;

bool WriteConsoleText(HANDLE console, std::string_view utf8) {
    std::wstring text;
    for (wchar_t c : Utf8ToWide(utf8)) {
        if (c == L'\n') text += L'\r';
        text += c;
    }
    for (std::size_t start = 0; start < text.size();) {
        DWORD chunk = static_cast<DWORD>(std::min(kConsoleChunk, text.size() - start));
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data() + start, chunk, &written, nullptr) || written == 0) return false;
        start += written;
    }
    return true;
}

}  // namespace

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

std::string FileDateText(const NativePath& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    SYSTEMTIME time{};
    if (!GetFileAttributesExW(file.Native().c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%02u.%02u.%04u %02u:%02u", time.wDay, time.wMonth, time.wYear, time.wHour,
                  time.wMinute);
    return text;
}

std::size_t ConsoleColumns(StandardStream stream) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(HandleOf(stream), &info)) return 0;
    return static_cast<std::size_t>(info.srWindow.Right - info.srWindow.Left + 1);
}

bool WriteStandard(StandardStream stream, std::string_view utf8) {
    HANDLE handle = HandleOf(stream);
    return IsConsole(handle) ? WriteConsoleText(handle, utf8) : WriteBytes(stream, utf8);
}

#else

bool FolderExists(const NativePath& folder) {
    struct stat info {};
    return stat(folder.Native().c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string CommandLineText(const NativePath::String& text) { return text; }

std::string FileDateText(const NativePath& file) {
    struct stat info {};
    std::tm local{};
    if (stat(file.Native().c_str(), &info) != 0 || !localtime_r(&info.st_mtime, &local)) return {};
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &local));
}

std::size_t ConsoleColumns(StandardStream stream) {
    int descriptor = fileno(FileOf(stream));
    winsize size{};
    if (!isatty(descriptor) || ioctl(descriptor, TIOCGWINSZ, &size) != 0) return 0;
    return size.ws_col;
}

bool WriteStandard(StandardStream stream, std::string_view utf8) { return WriteBytes(stream, utf8); }

#endif
