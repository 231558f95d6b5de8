#include "data/table_loader.h"

#include <algorithm>
#include <cstring>

#include "base/line_list.h"
#include "base/text_convert.h"

namespace {

constexpr std::size_t kMaxUnfilledRecords = 65536;
constexpr std::ptrdiff_t kMaxCountedFields = 63;

// LFs are rare in table lines; memchr passes over the rest fast.
int CountLineFeeds(std::string_view line) {
    int count = 0;
    const char* end = line.data() + line.size();
    for (const char* p = line.data(); (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p) ++count;
    return count;
}

// Like taking n characters from a 0-based position: nothing past the end.
std::string_view Part(std::string_view text, std::size_t pos, std::size_t count) {
    if (pos >= text.size()) return {};
    return text.substr(pos, count);
}

// The name before the first ";" (cut to the stored length); the rest of the line after it.
std::string_view TakeName(std::string_view& line, std::string& name, RecordSource& source) {
    std::size_t separator = line.find(';');
    source.HasSeparator = separator != std::string_view::npos;
    source.FieldCount = 1;
    if (!source.HasSeparator) {
        name.clear();
        return line;
    }
    std::ptrdiff_t separators = std::count(line.begin() + static_cast<std::ptrdiff_t>(separator), line.end(), ';');
    source.FieldCount += static_cast<int>(std::min(separators, kMaxCountedFields));
    name.assign(line.substr(0, std::min(separator, kMaxNameLength)));
    line.remove_prefix(separator + 1);
    return line;
}

// Hours, minutes and seconds in characters 1-2, 4-5 and 7-8, each read on its own.
std::int32_t ReadCycleSeconds(std::string_view time) {
    return TextToInt(Part(time, 0, 2)) * 3600 + TextToInt(Part(time, 3, 2)) * 60 + TextToInt(Part(time, 6, 2));
}

// The number fields of a record line after its name, read in turn; each one the line
// really has is noted when reading leaves text after its number.
class NumberFields {
public:
    NumberFields(std::string_view& line, RecordSource& source) : line_(line), source_(source) {}

    std::int32_t Next() {
        ++field_;
        std::string_view text = line_.substr(0, line_.find(';'));
        std::int32_t value = NextField(line_);
        if (field_ <= source_.FieldCount) {
            std::string_view rest = TrimBlanks(text.substr(FieldNumberLength(text)));
            // Blanks before the number stay in the text shown: a tab there is what stops it.
            std::string_view shown = text.substr(0, text.find_last_not_of(" \t") + 1);
            if (!rest.empty()) source_.Ignored.push_back({field_, std::string(shown), value});
        }
        return value;
    }

private:
    std::string_view& line_;
    RecordSource& source_;
    int field_ = 1;
};

void ReadWare(std::string_view line, Ware& ware, RecordSource& source) {
    TakeName(line, ware.Name, source);
    NumberFields fields(line, source);
    ware.MinPrice = fields.Next();
    ware.AvgPrice = fields.Next();
    ware.MaxPrice = fields.Next();
    ware.UnitsPerCycle = fields.Next();
    source.FullTime = line.size() >= 8;
    ware.CycleSeconds = ReadCycleSeconds(line);
}

void ReadStation(std::string_view line, Station& station, RecordSource& source) {
    TakeName(line, station.Name, source);
    NumberFields fields(line, source);
    station.Product = fields.Next();
    station.ResourceCount = fields.Next();
    for (auto& resource : station.Resources) resource = fields.Next();
    for (auto& amount : station.ResourceAmounts) amount = fields.Next();
    station.Reserved = fields.Next();
    for (auto& support : station.Supports) support = fields.Next();
}

// Fills a table from the lines of its file: the count line first, then the records.
// lines and fileLines keep their memory from one table to the next.
template <class Table, class ReadRecord>
TableSource ReadTable(LineList& lines, std::vector<int>& fileLines, TableSource source, Table& table,
                      ReadRecord readRecord) {
    StripComments(lines, &fileLines);

    std::string_view countText = lines.Line(0);
    source.DeclaredCount = TextToInt(countText);
    std::size_t firstDigit = !countText.empty() && (countText[0] == '-' || countText[0] == '+') ? 1 : 0;
    source.CountIsNumber =
        firstDigit < countText.size() && countText[firstDigit] >= '0' && countText[firstDigit] <= '9';
    if (lines.Count() > 0) source.CountLine = fileLines[0];
    std::size_t recordCount = source.DeclaredCount > 0 ? static_cast<std::size_t>(source.DeclaredCount) : 0;
    std::size_t lineCount = lines.Count() > 1 ? static_cast<std::size_t>(lines.Count() - 1) : 0;
    // Records no line fills stay empty. A count far beyond the lines present is cut, so a
    // typo in the count can't make the program take all memory.
    recordCount = std::min(recordCount, lineCount + kMaxUnfilledRecords);
    table.assign(recordCount, {});
    source.Records.assign(recordCount, {});

    std::size_t filled = std::min(recordCount, lineCount);
    for (std::size_t k = 0; k < filled; ++k) {
        RecordSource& record = source.Records[k];
        record.FileLine = fileLines[k + 1];
        readRecord(lines.Line(static_cast<int>(k + 1)), table[k], record);
    }
    if (lineCount > filled) {
        source.ExtraLineCount = static_cast<int>(lineCount - filled);
        source.FirstExtraLine = fileLines[filled + 1];
    }
    return source;
}

// A table's lines read from its file; a file that cannot be read gives no lines.
TableSource LoadFile(LineList& lines, NativePath path) {
    TableSource source;
    source.Path = std::move(path);
    source.Read = lines.LoadFromFile(source.Path);
    if (!source.Read) lines.Clear();
    return source;
}

// A table's lines from its text, named as the file it stands for.
TableSource LoadText(LineList& lines, std::string_view text, std::string_view fileName) {
    lines.LoadFromText(text);
    TableSource source;
    source.Path = NativePath() / fileName;
    source.Read = true;
    return source;
}

}  // namespace

LoadReport LoadTables(const NativePath& folder, Catalogue& catalogue) {
    LineList lines;
    std::vector<int> fileLines;
    LoadReport report;
    report.Wares = ReadTable(lines, fileLines, LoadFile(lines, folder / kWaresFile), catalogue.Wares, ReadWare);
    report.Stations =
        ReadTable(lines, fileLines, LoadFile(lines, folder / kStationsFile), catalogue.Stations, ReadStation);
    return report;
}

LoadReport LoadTablesFromText(std::string_view waresText, std::string_view stationsText, Catalogue& catalogue) {
    LineList lines;
    std::vector<int> fileLines;
    LoadReport report;
    report.Wares = ReadTable(lines, fileLines, LoadText(lines, waresText, kWaresFile), catalogue.Wares, ReadWare);
    report.Stations =
        ReadTable(lines, fileLines, LoadText(lines, stationsText, kStationsFile), catalogue.Stations, ReadStation);
    return report;
}

void StripComments(LineList& lines, std::vector<int>* fileLines) {
    if (fileLines) {
        fileLines->clear();
        fileLines->reserve(static_cast<std::size_t>(lines.Count()));
    }
    int fileLine = 1;
    lines.NarrowLines([&](std::string_view line) {
        std::string_view kept = TrimBlanks(line);
        std::size_t comment = kept.find("//");
        if (comment != std::string_view::npos) kept = kept.substr(0, comment);
        if (fileLines && !kept.empty()) fileLines->push_back(fileLine);
        // An LF without a CR before it doesn't end a line here, but does in an editor.
        fileLine += 1 + CountLineFeeds(line);
        return kept;
    });
}

std::int32_t NextField(std::string_view& text) {
    std::int32_t value = FieldToInt(text);
    // Fields are a few characters long: a plain loop beats a library search here.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ';') {
            text.remove_prefix(i + 1);
            break;
        }
    }
    return value;
}
