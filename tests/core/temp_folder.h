#pragma once
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/native_path.h"

// A file's bytes as they are on disk; none when it can't be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A path of the tests' own as the program takes it.
inline NativePath NativeOf(const std::filesystem::path& path) { return NativePath(path.native()); }

// A fresh folder for one test's files, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("kelm-test-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                 "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    NativePath Native() const { return NativeOf(path_); }

    // Writes the bytes exactly as given (no line-end translation).
    NativePath Write(const std::filesystem::path& name, std::string_view bytes) const {
        std::ofstream out(path_ / name, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return NativeOf(path_ / name);
    }

private:
    std::filesystem::path path_;
};
