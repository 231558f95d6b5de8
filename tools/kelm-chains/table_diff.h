#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/table_loader.h"

// How two versions of the tables differ, record by record. Records are matched by their
// index, as the tables address them: a record of one version beyond the other's count was
// added or removed.

struct FieldChange {
    const char* Key;    // in JSON and CSV
    const char* Label;  // CP1251, for a person
    std::string Old;    // CP1251 texts of the two values
    std::string New;
};

enum class RecordChange { Added, Removed, Changed };

struct RecordDiff {
    TableFile File = TableFile::Wares;
    std::int32_t Index = 0;
    RecordChange Change = RecordChange::Changed;
    std::string Name;         // CP1251: the new name, the old one of a removed record
    int OldLine = 0;          // line of each file; 0 where no line filled the record
    int NewLine = 0;
    std::vector<FieldChange> Fields;  // of a changed record, in the order of the file's columns
};

// Wares first, then stations, each by index.
std::vector<RecordDiff> DiffTables(const Catalogue& oldTables, const LoadReport& oldReport, const Catalogue& newTables,
                                   const LoadReport& newReport);

const char* ChangeKey(RecordChange change);  // "added", "removed", "changed"
