#include "base/file_bytes.h"

#include <cstdint>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

std::FILE* OpenForReading(const NativePath& path) {
#ifdef _WIN32
    // The wide name goes to CreateFileW as it is, whatever the system's code page.
    return _wfopen(path.Native().c_str(), L"rb");
#else
    std::FILE* file = std::fopen(path.Native().c_str(), "rb");
    struct stat info {};
    if (file && (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode))) {
        std::fclose(file);
        return nullptr;
    }
    return file;
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

FileReader::FileReader(const NativePath& path) : file_(OpenForReading(path)) {}

bool FileReader::ReadAll(ByteBlock& block, std::size_t& size) {
    if (!file_) return false;
    long long fileSize = FileSize(file_.get());
    if (fileSize < 0 || static_cast<unsigned long long>(fileSize) >= SIZE_MAX) return false;
    std::size_t wanted = static_cast<std::size_t>(fileSize);
    char* resized = static_cast<char*>(std::realloc(block.get(), wanted + 1));
    if (!resized) return false;
    (void)block.release();
    block.reset(resized);
    // The file may shrink while it is read; keep what was there.
    size = std::fread(block.get(), 1, wanted, file_.get());
    return !std::ferror(file_.get());
}
