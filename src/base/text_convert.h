#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Text to number and back, with the exact rules the table files rely on.
// Numbers beyond the signed 32-bit range read as the nearest 32-bit value.

// Removes leading and trailing characters with codes 1 to 32.
std::string_view TrimBlanks(std::string_view text);

// An optional sign in the first position, then decimal digits; nothing is skipped.
std::int32_t TextToInt(std::string_view text);

// Blanks skipped, then a sign and decimal digits, or "$", "x", "X", "0x", "0X" and hex digits.
std::int32_t FieldToInt(std::string_view text);
// How many characters of text FieldToInt reads: the blanks, the sign or prefix and the digits.
std::size_t FieldNumberLength(std::string_view text);

std::string IntToText(std::int32_t value);

// Items one after another, ", " between them and `last` (such as " и ") before the last.
std::string ListText(const std::vector<std::string>& items, std::string_view last);

// printf's "%d" with its optional width and precision ("%5d", "%.2d"), and "%%", for 32-bit
// integers; any other text is copied. At most 1024 characters.
std::string FormatIntList(std::string_view format, std::initializer_list<std::int32_t> values);

template <class... Ints>
std::string FormatInts(std::string_view format, Ints... values) {
    static_assert((std::is_same_v<Ints, std::int32_t> && ...), "FormatInts takes 32-bit integers");
    return FormatIntList(format, {values...});
}
