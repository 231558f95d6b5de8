#include "raw_baselines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

bool ReadAndSplit(const std::string& path, SplitText& text) {
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        close(fd);
        return false;
    }
    std::size_t size = static_cast<std::size_t>(info.st_size);
    std::unique_ptr<char[]> bytes(new char[size + 1]);
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = read(fd, bytes.get() + done, size - done);
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    close(fd);

    char* const begin = bytes.get();
    char* const end = begin + done;
    *end = '\0';
    std::size_t count = 0;
    for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\r', end - p))); ++p) ++count;
    std::vector<char*> lines;
    lines.reserve(count + 1);
    for (char* p = begin; p < end;) {
        lines.push_back(p);
        char* cr = static_cast<char*>(std::memchr(p, '\r', end - p));
        if (!cr) break;
        *cr = '\0';
        p = cr + 1;
        if (p < end && *p == '\n') ++p;
    }
    text.Bytes = std::move(bytes);
    text.Size = done;
    text.Lines = std::move(lines);
    return true;
}

namespace {

// The fields after the name of one line, at most count of them; returns where the name ends.
const char* ReadFields(const char* line, std::int32_t* values, int count) {
    const char* p = line;
    while (*p && *p != ';') ++p;
    const char* nameEnd = p;
    for (int i = 0; *p == ';'; ++i) {
        ++p;
        while (*p == ' ') ++p;
        bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        std::int64_t value = 0;
        for (; static_cast<unsigned char>(*p - '0') < 10; ++p) value = value * 10 + (*p - '0');
        if (i < count) values[i] = static_cast<std::int32_t>(negative ? -value : value);
        while (*p && *p != ';') ++p;
    }
    return nameEnd;
}

template <class Table, class Fill>
void StoreRecords(const SplitText& text, Table& table, Fill fill) {
    table.assign(text.Lines.empty() ? 0 : text.Lines.size() - 1, {});
    for (std::size_t k = 0; k < table.size(); ++k) {
        std::int32_t values[12] = {};
        const char* line = text.Lines[k + 1];
        const char* nameEnd = ReadFields(line, values, 12);
        table[k].Name.assign(line, std::min<std::size_t>(nameEnd - line, kMaxNameLength));
        fill(table[k], values);
    }
}

}  // namespace

std::int64_t ReadEveryField(const SplitText& text) {
    std::int64_t sum = 0;
    for (const char* line : text.Lines) {
        std::int32_t values[12] = {};
        ReadFields(line, values, 12);
        for (std::int32_t value : values) sum += value;
    }
    return sum;
}

void StoreEveryRecord(const SplitText& wares, const SplitText& stations, Catalogue& catalogue) {
    StoreRecords(wares, catalogue.Wares, [](Ware& ware, const std::int32_t* v) {
        ware.MinPrice = v[0];
        ware.AvgPrice = v[1];
        ware.MaxPrice = v[2];
        ware.UnitsPerCycle = v[3];
        ware.CycleSeconds = v[4];
    });
    StoreRecords(stations, catalogue.Stations, [](Station& station, const std::int32_t* v) {
        station.Product = v[0];
        station.ResourceCount = v[1];
        for (int i = 0; i < 3; ++i) {
            station.Resources[i] = v[2 + i];
            station.ResourceAmounts[i] = v[5 + i];
            station.Supports[i] = v[9 + i];
        }
        station.Reserved = v[8];
    });
}
