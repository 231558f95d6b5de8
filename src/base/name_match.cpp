#include "base/name_match.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kMostEdits = 2;

char FoldLetter(char c) {
    unsigned char code = static_cast<unsigned char>(c);
    if (code >= 'A' && code <= 'Z') return static_cast<char>(code + ('a' - 'A'));
    if (code >= 0xC0 && code <= 0xDF) code = static_cast<unsigned char>(code + 0x20);  // А-Я
    if (code == 0xA8 || code == 0xB8 || code == 0xE5) return '\xE5';                     // Ё, ё, е
    return static_cast<char>(code);
}

bool IsBlank(char c) {
    unsigned char code = static_cast<unsigned char>(c);
    return code <= 32 || code == 0xA0;
}

// Levenshtein distance, but only as far as it matters: anything beyond limit is limit + 1.
int Edits(std::string_view a, std::string_view b, int limit) {
    if (static_cast<int>(std::max(a.size(), b.size()) - std::min(a.size(), b.size())) > limit) return limit + 1;
    std::vector<int> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return std::min(row[b.size()], limit + 1);
}

}  // namespace

std::string NameKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (char c : name)
        if (!IsBlank(c)) key += FoldLetter(c);
    return key;
}

std::vector<std::size_t> NamesMeant(const std::vector<std::string>& names, std::string_view typed, std::size_t count) {
    std::string key = NameKey(typed);
    std::vector<std::pair<int, std::size_t>> near;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string other = NameKey(names[i]);
        if (other.empty()) continue;
        int edits = other == key ? 0 : Edits(key, other, kMostEdits);
        if (edits <= kMostEdits) near.push_back({edits, i});
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    // A name equal but for case, ё and blanks is surely the one meant.
    if (!near.empty() && near.front().first == 0)
        std::erase_if(near, [](const auto& entry) { return entry.first != 0; });
    std::vector<std::size_t> meant;
    for (const auto& [edits, index] : near)
        if (meant.size() < count) meant.push_back(index);
    return meant;
}

NameSearch FindName(const std::vector<std::string>& names, std::string_view typed) {
    std::string key = NameKey(typed);
    std::vector<std::size_t> whole, parts;
    for (std::size_t i = 0; i < names.size() && !key.empty(); ++i) {
        std::string other = NameKey(names[i]);
        if (other == key) whole.push_back(i);
        else if (other.find(key) != std::string::npos) parts.push_back(i);
    }
    const std::vector<std::size_t>& fitting = whole.empty() ? parts : whole;
    if (fitting.size() == 1) return {NameSearch::Found::One, fitting};
    if (!fitting.empty()) return {NameSearch::Found::Several, fitting};
    return {NameSearch::Found::None, NamesMeant(names, typed, 3)};
}
