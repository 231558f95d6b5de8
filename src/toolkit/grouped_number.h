#pragma once
#include <optional>
#include <string>
#include <string_view>

// A number whose digits are grouped, as spreadsheets and web pages write it («8 500»,
// «-1 250 000»): blanks around it, an optional "-" or "+", one to three digits, then at
// least one group of exactly three digits, each after exactly one mark. A mark, and a blank,
// is a space, a no-break space (U+00A0) or a narrow no-break space (U+202F). Gives the
// number without its marks and the blanks around it; nothing for any other text, which
// keeps its own reading.
std::optional<std::wstring> UngroupedNumber(std::wstring_view text);
