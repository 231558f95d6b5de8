#pragma once
#include <cstddef>
#include <string>

// Large wares.csv and stations.csv with every quirk of the format the loader must absorb:
// comment blocks and comments after fields, blank and blank-only lines, indented lines,
// hexadecimal and signed fields, leading blanks in fields, digits followed by text, text
// after the last field, lone LFs inside lines, Cyrillic names and names beyond 255
// characters. The same bytes on every run.
struct BigTables {
    std::string Folder;
    std::size_t Bytes = 0;          // both files together
    std::size_t WareRecords = 0;
    std::size_t StationRecords = 0;
    std::size_t Fields() const { return WareRecords * 6 + StationRecords * 13; }
};

// Writes both files into folder (which must exist), about totalBytes together.
BigTables WriteBigTables(const std::string& folder, std::size_t totalBytes);
