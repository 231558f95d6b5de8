#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/native_path.h"
#include "data/catalogue.h"

class LineList;

// A number field with more after its number than blanks: reading stops at the number, so
// "3З6" (a Cyrillic З) reads 3.
struct IgnoredText {
    int Field = 0;            // the field's place in the line, the name being field 1
    std::string Text;         // the field as written, blanks after it trimmed
    std::int32_t Value = 0;   // what was read
};

// Where each record of a table came from, so that problems can name the line of the file.
// Line numbers count every line of the file from 1, as an editor does.
struct RecordSource {
    int FileLine = 0;            // 0: no line filled this record
    bool HasSeparator = false;   // the line has a ";" after the name
    int FieldCount = 0;          // ";"-separated fields on the line, counted up to 64
    bool FullTime = false;       // wares: the time text has all eight characters
    std::vector<IgnoredText> Ignored;  // number fields with text after the number
};

struct TableSource {
    NativePath Path;
    bool Read = false;                  // the file could be opened and read
    int CountLine = 0;                  // file line of the record count; 0 when there is none
    bool CountIsNumber = false;         // the count line starts with an optionally signed number
    std::int32_t DeclaredCount = 0;     // the count as written; a negative count gives no records
    std::vector<RecordSource> Records;  // one per record of the table
    int ExtraLineCount = 0;             // record lines beyond the count, ignored
    int FirstExtraLine = 0;
};

enum class TableFile { Wares, Stations };

struct LoadReport {
    TableSource Wares;
    TableSource Stations;
    const TableSource& Of(TableFile file) const { return file == TableFile::Wares ? Wares : Stations; }
};

// Folder used when the caller names none, and the two file names in it.
inline constexpr std::string_view kTablesFolder = "tables";
inline constexpr std::string_view kWaresFile = "wares.csv";
inline constexpr std::string_view kStationsFile = "stations.csv";

// Fields of a record line; a shorter line reads its missing fields by the NextField rule.
inline constexpr int kWareFields = 6;
inline constexpr int kStationFields = 13;

inline std::string_view FileName(TableFile file) { return file == TableFile::Wares ? kWaresFile : kStationsFile; }

// Replaces both tables with the records of folder's wares.csv and stations.csv, wares
// first. A missing file gives an empty table; nothing is reported to the user here.
LoadReport LoadTables(const NativePath& folder, Catalogue& catalogue);

// The same from the two files' bytes, for a caller that has no files (the web page). The
// report names the files without a folder.
LoadReport LoadTablesFromText(std::string_view waresText, std::string_view stationsText, Catalogue& catalogue);

// Trims every line, cuts it at the first "//" and drops lines left empty. When given,
// fileLines receives the file line number of each line kept.
void StripComments(LineList& lines, std::vector<int>* fileLines = nullptr);

// Reads the integer at the start of text, then removes everything up to and including the
// first ";" (text stays as it is when it has none).
std::int32_t NextField(std::string_view& text);
