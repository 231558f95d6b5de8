#include "raw_baselines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::int64_t ReadEveryField(const SplitText& text) {
    std::int64_t sum = 0;
    for (const char* p : text.Lines) {
        while (*p && *p != ';') ++p;  // the name
        while (*p == ';') {
            ++p;
            while (*p == ' ') ++p;
            bool negative = *p == '-';
            if (*p == '-' || *p == '+') ++p;
            std::int64_t value = 0;
            for (; static_cast<unsigned char>(*p - '0') < 10; ++p) value = value * 10 + (*p - '0');
            sum += negative ? -value : value;
            while (*p && *p != ';') ++p;
        }
    }
    return sum;
}
