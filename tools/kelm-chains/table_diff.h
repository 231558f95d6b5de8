#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/table_loader.h"

// How two versions of the tables differ, record by record, paired by what the records
// mean rather than where they stand: a record whose name is unique in both versions is
// paired with the record of that name, so an insertion in the middle is one insertion.
// The other records are paired by their index, as the tables address them. References
// (a station's product, resources and supports) are compared by the name of the record
// they point at, so renumbering alone is no change.

struct FieldChange {
    const char* Key;    // in JSON and CSV
    const char* Label;  // CP1251, for a person
    std::string Old;    // CP1251 texts of the two values
    std::string New;
};

enum class RecordChange { Added, Removed, Changed };

inline constexpr std::int32_t kNoRecord = -1;

struct RecordDiff {
    TableFile File = TableFile::Wares;
    std::int32_t OldIndex = kNoRecord;  // kNoRecord on the side the record is missing from
    std::int32_t NewIndex = kNoRecord;
    RecordChange Change = RecordChange::Changed;
    bool ByIndex = false;     // paired by index: its name is not unique, or it changed
    std::string Name;         // CP1251: the new name, the old one of a removed record
    int OldLine = 0;          // line of each file; 0 where no line filled the record
    int NewLine = 0;
    std::vector<FieldChange> Fields;  // of a changed record, in the order of the file's columns
};

// A name that several records of one version share: such records are paired by index.
struct SharedName {
    TableFile File = TableFile::Wares;
    std::string Name;  // CP1251, trimmed
    std::array<int, 2> Count{};  // records of the name, old and new
};

struct RecordsDiff {
    std::vector<RecordDiff> Records;  // wares first, then stations, in the new version's order
    std::vector<SharedName> Shared;
};

RecordsDiff DiffTables(const Catalogue& oldTables, const LoadReport& oldReport, const Catalogue& newTables,
                       const LoadReport& newReport);

// Pairs of indices, old and new, of two lists of names: names unique in both lists by
// name, the rest by index; a record left alone has kNoRecord on the other side. In the new
// list's order, a removed record where it stood in the old one.
struct IndexPair {
    std::int32_t Old = kNoRecord;
    std::int32_t New = kNoRecord;
    bool ByIndex = false;
};
std::vector<IndexPair> PairByName(const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames);

const char* ChangeKey(RecordChange change);  // "added", "removed", "changed"
