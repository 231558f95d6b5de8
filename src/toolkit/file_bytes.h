#pragma once
#include <cstddef>
#include <memory>
#include <string>

// Reads a whole existing file, opened for reading and shared with other readers. The
// result has one spare byte after the size bytes read; null when the file can't be read.
// The path is CP1251 text.
std::unique_ptr<char[]> ReadFileBytes(const std::string& path, std::size_t& size);
