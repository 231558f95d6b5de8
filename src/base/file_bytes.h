#pragma once
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "base/native_path.h"

// Bytes from malloc, so that a block can be resized in place: a large block keeps the pages
// it has already touched when it grows or shrinks.
struct FreeBytes {
    void operator()(char* bytes) const { std::free(bytes); }
};
using ByteBlock = std::unique_ptr<char[], FreeBytes>;

// An existing file opened for reading and shared with other readers; closed with the
// object. A folder does not open.
class FileReader {
public:
    explicit FileReader(const NativePath& path);
    bool IsOpen() const { return file_ != nullptr; }

    // Reads the whole file into block, resized to the file's size plus one spare byte; the
    // memory block already holds is used again. If the file shrinks meanwhile, size says
    // how much was there. False on a read error (block may then hold anything).
    bool ReadAll(ByteBlock& block, std::size_t& size);

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};
