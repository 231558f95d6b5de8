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
// pos is left after the last digit.
std::int64_t ReadDigits(std::string_view text, std::size_t& pos, int base) {
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

struct FieldNumber {
    std::int32_t Value = 0;
    std::size_t Length = 0;
};

// The number at the start of a field and how far it reaches.
FieldNumber ScanField(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos == text.size()) return {0, pos};
    char first = text[pos];
    bool negative = first == '-';
    int base = 10;
    if (first == '-' || first == '+') {
        ++pos;
    } else if (first == '$' || first == 'x' || first == 'X') {
        ++pos;
        base = 16;
    } else if (first == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        pos += 2;
        base = 16;
    }
    std::int64_t magnitude = ReadDigits(text, pos, base);
    return {Signed(magnitude, negative), pos};
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
    std::size_t pos = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    return Signed(ReadDigits(text, pos, 10), negative);
}

std::int32_t FieldToInt(std::string_view text) { return ScanField(text).Value; }

std::size_t FieldNumberLength(std::string_view text) { return ScanField(text).Length; }

std::string IntToText(std::int32_t value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatIntList(std::string_view format, std::initializer_list<std::int32_t> values) {
    constexpr std::size_t kLongest = 1024;
    std::string text;
    const std::int32_t* next = values.begin();
    for (std::size_t pos = 0; pos < format.size() && text.size() < kLongest;) {
        if (format[pos] != '%' || pos + 1 == format.size()) {
            text += format[pos++];
            continue;
        }
        if (format[++pos] == '%') {
            text += format[pos++];
            continue;
        }
        const std::size_t width = static_cast<std::size_t>(ReadDigits(format, pos, 10));
        std::size_t precision = 1;
        if (pos < format.size() && format[pos] == '.')
            precision = static_cast<std::size_t>(ReadDigits(format, ++pos, 10));
        if (pos == format.size() || format[pos] != 'd' || next == values.end()) break;
        ++pos;
        const std::int32_t value = *next++;
        std::string digits = IntToText(value);
        if (value < 0) digits.erase(0, 1);
        if (digits.size() < precision) digits.insert(0, precision - digits.size(), '0');
        if (value < 0) digits.insert(0, 1, '-');
        if (digits.size() < width) text.append(width - digits.size(), ' ');
        text += digits;
    }
    if (text.size() > kLongest) text.resize(kLongest);
    return text;
}

std::string ListText(const std::vector<std::string>& items, std::string_view last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? last : ", ";
        text += items[i];
    }
    return text;
}
