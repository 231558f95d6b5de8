#include "big_tables.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "data/table_loader.h"

namespace {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint32_t Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    std::uint32_t Below(std::uint32_t n) { return Next() % n; }
    bool OneIn(std::uint32_t n) { return Below(n) == 0; }

private:
    std::uint64_t state_;
};

const char* const kSyllables[] = {"ка", "ро", "ме", "ли", "за", "вод", "стан", "ций", "ель", "мо",
                                  "ру", "да", "ке", "льм", "ор", "бит", "ал", "ная", "ный", "ск"};

void AppendName(std::string& out, Random& random) {
    std::uint32_t syllables = random.OneIn(200) ? 130 + random.Below(30) : 4 + random.Below(10);
    out += random.OneIn(2) ? "Завод " : "Станция ";
    for (std::uint32_t i = 0; i < syllables; ++i) {
        out += kSyllables[random.Below(std::size(kSyllables))];
        if (random.OneIn(7)) out += ' ';
    }
    if (random.OneIn(300)) out += "\nвторая часть";  // a lone LF stays inside the line
    if (random.OneIn(10)) out += ' ';                // a blank before ";" belongs to the name
}

// One integer field, written in one of the forms the format accepts.
void AppendField(std::string& out, Random& random, std::uint32_t value) {
    char text[32];
    switch (random.Below(20)) {
        case 0: std::snprintf(text, sizeof text, "$%X", value); break;
        case 1: std::snprintf(text, sizeof text, "0x%x", value); break;
        case 2: std::snprintf(text, sizeof text, "  %u", value); break;
        case 3: std::snprintf(text, sizeof text, "%ushtuk", value); break;
        case 4: std::snprintf(text, sizeof text, "+%u", value); break;
        case 5: std::snprintf(text, sizeof text, "-%u", value); break;
        default: std::snprintf(text, sizeof text, "%u", value); break;
    }
    out += text;
}

void AppendLineStart(std::string& out, Random& random) {
    if (random.OneIn(40)) out += random.OneIn(2) ? "\r\n" : "  \t \r\n";
    if (random.OneIn(60)) out += "   // группа записей, пропускается\r\n";
    if (random.OneIn(12)) out += random.OneIn(2) ? "  " : "\t";
}

void AppendLineEnd(std::string& out, Random& random) {
    if (random.OneIn(8)) out += " // примечание";
    if (random.OneIn(100)) out += "\nс переводом строки без CR";
    out += "\r\n";
}

void AppendWare(std::string& out, Random& random) {
    AppendLineStart(out, random);
    AppendName(out, random);
    std::uint32_t price = 1 + random.Below(100000);
    for (std::uint32_t value : {price / 2, price, price * 2, 1 + random.Below(500)}) {
        out += ';';
        AppendField(out, random, value);
    }
    char time[16];
    char separator = random.OneIn(20) ? '-' : ':';
    std::snprintf(time, sizeof time, ";%02u%c%02u%c%02u", random.Below(5), separator, random.Below(60), separator,
                  random.Below(60));
    out += time;
    if (random.OneIn(20)) out += " ч.";
    AppendLineEnd(out, random);
}

void AppendStation(std::string& out, Random& random, std::uint32_t wares, std::uint32_t stations) {
    AppendLineStart(out, random);
    AppendName(out, random);
    std::uint32_t values[12] = {random.Below(wares), 1 + random.Below(3), random.Below(wares), random.Below(wares),
                                random.Below(wares), 1 + random.Below(900), 1 + random.Below(900),
                                1 + random.Below(900), 0, random.Below(stations), random.Below(stations),
                                random.Below(stations)};
    for (std::uint32_t value : values) {
        out += ';';
        AppendField(out, random, value);
    }
    if (random.OneIn(15)) out += ";лишнее поле;17";
    AppendLineEnd(out, random);
}

// Header, count line and body, as one file.
std::size_t WriteTable(const std::string& path, const std::string& body, std::size_t records) {
    std::string text = "// Большая таблица для замеров скорости.\r\n//\r\n// Поля через \";\".\r\n\r\n";
    text += std::to_string(records) + " // записей\r\n";
    text += body;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) throw std::runtime_error("cannot write " + path);
    return text.size();
}

}  // namespace

BigTables WriteBigTables(const std::string& folder, std::size_t totalBytes) {
    BigTables tables;
    tables.Folder = folder;
    Random random(20261208);
    std::string body;
    body.reserve(totalBytes / 2 + 4096);
    while (body.size() < totalBytes * 2 / 5) {
        AppendWare(body, random);
        ++tables.WareRecords;
    }
    tables.Bytes += WriteTable((NativePath(folder) / kWaresFile).Native(), body, tables.WareRecords);

    body.clear();
    std::uint32_t wares = static_cast<std::uint32_t>(tables.WareRecords);
    std::uint32_t stations = static_cast<std::uint32_t>(totalBytes / 100);
    while (body.size() < totalBytes * 3 / 5) {
        AppendStation(body, random, wares, stations);
        ++tables.StationRecords;
    }
    tables.Bytes += WriteTable((NativePath(folder) / kStationsFile).Native(), body, tables.StationRecords);
    return tables;
}
