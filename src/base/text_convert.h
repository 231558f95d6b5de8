#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

// Text to number and back, with the exact rules the table files rely on.
// Numbers beyond the signed 32-bit range read as the nearest 32-bit value.

// Removes leading and trailing characters with codes 1 to 32.
std::string_view TrimBlanks(std::string_view text);

// An optional sign in the first position, then decimal digits; nothing is skipped.
std::int32_t TextToInt(std::string_view text);

// Blanks skipped, then a sign and decimal digits, or "$", "x", "X", "0x", "0X" and hex digits.
std::int32_t FieldToInt(std::string_view text);

std::string IntToText(std::int32_t value);

// printf-style "%d" formatting of 32-bit integers; at most 1024 characters.
template <class... Ints>
std::string FormatInts(const char* format, Ints... values) {
    static_assert((std::is_same_v<Ints, std::int32_t> && ...), "FormatInts takes 32-bit integers");
    char buffer[1025];
    int length = std::snprintf(buffer, sizeof buffer, format, static_cast<int>(values)...);
    if (length < 0) return {};
    return std::string(buffer, static_cast<std::size_t>(length) < sizeof buffer ? length : sizeof buffer - 1);
}
