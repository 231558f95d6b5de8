#pragma once
#include <string>
#include <string_view>

// Program text is CP1251 bytes. These convert it at the edges: to UTF-16 for the
// platform's wide functions, to UTF-8 for terminals and files, and back.
char32_t Cp1251ToCodePoint(unsigned char byte);
std::wstring Cp1251ToWide(std::string_view text);
std::string WideToCp1251(std::wstring_view text);  // unmappable characters become '?'
std::string Cp1251ToUtf8(std::string_view text);
std::string Utf8ToCp1251(std::string_view text);   // unmappable or malformed become '?'
// Whether text is well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view text);
