#include "base/file_write.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#endif

namespace {

// A new file beside the target, for the bytes that are to replace it; removed again unless
// it has taken the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const NativePath& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return file_ != kNoFile; }
    bool Write(std::string_view bytes);
    bool Close();
    bool MoveTo(const NativePath& target);

private:
#ifdef _WIN32
    using File = HANDLE;
    static inline const File kNoFile = INVALID_HANDLE_VALUE;
#else
    using File = int;
    static constexpr File kNoFile = -1;
#endif
    NativePath::String path_;
    File file_;
    bool created_;
    bool moved_ = false;
};

#ifdef _WIN32

TemporaryFile::TemporaryFile(const NativePath& target)
    : path_(target.Native() + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp"),
      file_(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)),
      created_(IsOpen()) {}

TemporaryFile::~TemporaryFile() {
    Close();
    if (created_ && !moved_) DeleteFileW(path_.c_str());
}

bool TemporaryFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file_, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    // The move must not put an empty file in place after a crash.
    return FlushFileBuffers(file_);
}

bool TemporaryFile::Close() {
    if (!IsOpen()) return true;
    bool closed = CloseHandle(file_);
    file_ = kNoFile;
    return closed;
}

// A plain rename fails when the target exists.
bool TemporaryFile::MoveTo(const NativePath& target) {
    moved_ = MoveFileExW(path_.c_str(), target.Native().c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved_;
}

#else

TemporaryFile::TemporaryFile(const NativePath& target)
    : path_(target.Native() + "." + std::to_string(getpid()) + ".tmp"),
      file_(open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)),
      created_(IsOpen()) {}

TemporaryFile::~TemporaryFile() {
    Close();
    if (created_ && !moved_) unlink(path_.c_str());
}

bool TemporaryFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = write(file_, bytes.data(), bytes.size());
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    // The move must not put an empty file in place after a crash.
    return fsync(file_) == 0;
}

bool TemporaryFile::Close() {
    if (!IsOpen()) return true;
    bool closed = close(file_) == 0;
    file_ = kNoFile;
    return closed;
}

bool TemporaryFile::MoveTo(const NativePath& target) {
    moved_ = std::rename(path_.c_str(), target.Native().c_str()) == 0;
    return moved_;
}

#endif

}  // namespace

FileWrite WriteFileReplacing(const NativePath& target, std::string_view bytes) {
    TemporaryFile file(target);
    if (!file.IsOpen()) return FileWrite::NotCreated;
    if (!file.Write(bytes) || !file.Close()) return FileWrite::NotWritten;
    return file.MoveTo(target) ? FileWrite::Written : FileWrite::NotReplaced;
}

