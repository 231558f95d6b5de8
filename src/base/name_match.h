#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Finding a name as a player types it, among names from the tables (both CP1251).

// The name with letter case, ё or е and blanks (the no-break space among them) made
// not to matter: the form two names are compared in.
std::string NameKey(std::string_view name);

// Up to `count` names meant by `typed`: those whose key equals its key, else those within
// two edits (letters typed, dropped or changed) of it, the nearest first. Indices into
// names, in the list's order among equals; empty names are never offered.
std::vector<std::size_t> NamesMeant(const std::vector<std::string>& names, std::string_view typed, std::size_t count);

struct NameSearch {
    enum class Found { One, Several, None };
    Found Result = Found::None;
    // One: the name; Several: every name that fits; None: the closest names.
    std::vector<std::size_t> Names;
};

// A name given whole or in part: a whole name (by key) beats a part; a part must fit one
// name only.
NameSearch FindName(const std::vector<std::string>& names, std::string_view typed);
