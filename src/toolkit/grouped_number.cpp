#include "toolkit/grouped_number.h"

namespace {

constexpr std::size_t kGroupDigits = 3;

bool IsMark(wchar_t c) { return c == L' ' || c == wchar_t{0x00A0} || c == wchar_t{0x202F}; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The number of digits at the start of text, counting no further than limit.
std::size_t LeadingDigits(std::wstring_view text, std::size_t limit) {
    std::size_t count = 0;
    while (count < text.size() && count < limit && IsDigit(text[count])) ++count;
    return count;
}

}  // namespace

std::optional<std::wstring> UngroupedNumber(std::wstring_view text) {
    while (!text.empty() && IsMark(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsMark(text.back())) text.remove_suffix(1);
    std::wstring number;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        number += text.front();
        text.remove_prefix(1);
    }
    const std::size_t lead = LeadingDigits(text, kGroupDigits);
    if (lead == 0) return std::nullopt;
    number += text.substr(0, lead);
    text.remove_prefix(lead);
    if (text.empty()) return std::nullopt;  // no group: not a grouped number
    while (!text.empty()) {
        if (!IsMark(text.front()) || LeadingDigits(text.substr(1), kGroupDigits + 1) != kGroupDigits)
            return std::nullopt;
        number += text.substr(1, kGroupDigits);
        text.remove_prefix(1 + kGroupDigits);
    }
    return number;
}
