#include "base/text_convert.h"

#include <charconv>
#include <limits>

namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();

int DigitValue(char c, int base) {
    int value = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                       : 99;
    return value < base ? value : -1;
}

// Reads digits of the base from pos on; the magnitude saturates just above the 32-bit range.
std::int64_t ReadDigits(std::string_view text, std::size_t pos, int base) {
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        int digit = DigitValue(text[pos], base);
        if (digit < 0) break;
        magnitude = magnitude * base + digit;
        if (magnitude > kIntMax + 1) magnitude = kIntMax + 1;
    }
    return magnitude;
}

std::int32_t Signed(std::int64_t magnitude, bool negative) {
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > kIntMax) value = kIntMax;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    auto isBlank = [](char c) {
        unsigned char code = static_cast<unsigned char>(c);
        return code >= 1 && code <= 32;
    };
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::int32_t TextToInt(std::string_view text) {
    if (text.empty()) return 0;
    bool negative = text[0] == '-';
    std::size_t start = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    return Signed(ReadDigits(text, start, 10), negative);
}

std::int32_t FieldToInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos == text.size()) return 0;
    char first = text[pos];
    if (first == '-' || first == '+') return Signed(ReadDigits(text, pos + 1, 10), first == '-');
    if (first == '$' || first == 'x' || first == 'X') return Signed(ReadDigits(text, pos + 1, 16), false);
    if (first == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X'))
        return Signed(ReadDigits(text, pos + 2, 16), false);
    return Signed(ReadDigits(text, pos, 10), false);
}

std::string IntToText(std::int32_t value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
