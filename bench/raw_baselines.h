#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/catalogue.h"

// The least a table reader can do, as yardsticks for the real one.

// A file's bytes split into lines at CR (one LF after it skipped), each CR overwritten by
// a terminator.
struct SplitText {
    std::unique_ptr<char[]> Bytes;
    std::size_t Size = 0;
    std::vector<char*> Lines;
};

// Baseline (a): open, size, one read into a fresh buffer, and a memchr split into a
// line-start table sized by a first count. False when the file can't be read.
bool ReadAndSplit(const std::string& path, SplitText& text);

// Baseline (b) on top of (a): a hand-written read of every ";"-separated integer field of
// every line (blanks, a sign, decimal digits). Returns their sum, so none is skipped.
std::int64_t ReadEveryField(const SplitText& text);

// For reference, (b) keeping what it reads: one record a line after the first, in tables
// of the catalogue's own records, names included. Shows how much of a load the records
// themselves take.
void StoreEveryRecord(const SplitText& wares, const SplitText& stations, Catalogue& catalogue);
