#include "toolkit/file_bytes.h"

#include <cstdint>
#include <cstdio>
#include <new>

#ifdef _WIN32
#include "toolkit/cp1251.h"
#endif

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle OpenForReading(const std::string& path) {
#ifdef _WIN32
    // Wide path, so a folder name with letters outside the system code page still opens.
    return FileHandle(_wfopen(Cp1251ToWide(path).c_str(), L"rb"));
#else
    return FileHandle(std::fopen(path.c_str(), "rb"));
#endif
}

long long FileSize(std::FILE* file) {
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0) return -1;
    long long size = _ftelli64(file);
    if (_fseeki64(file, 0, SEEK_SET) != 0) return -1;
#else
    if (fseeko(file, 0, SEEK_END) != 0) return -1;
    long long size = ftello(file);
    if (fseeko(file, 0, SEEK_SET) != 0) return -1;
#endif
    return size;
}

}  // namespace

std::unique_ptr<char[]> ReadFileBytes(const std::string& path, std::size_t& size) {
    FileHandle file = OpenForReading(path);
    if (!file) return nullptr;
    long long fileSize = FileSize(file.get());
    if (fileSize < 0 || static_cast<unsigned long long>(fileSize) >= SIZE_MAX) return nullptr;
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[static_cast<std::size_t>(fileSize) + 1]);
    if (!bytes) return nullptr;
    // The file may shrink while it is read; keep what was there.
    size = std::fread(bytes.get(), 1, static_cast<std::size_t>(fileSize), file.get());
    if (std::ferror(file.get())) return nullptr;  // a folder, or a read error
    return bytes;
}
