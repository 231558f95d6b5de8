#pragma once
#include <optional>
#include <string_view>

#include "base/native_path.h"

// The first argument after the program's name, as Explorer gives a file opened with the
// program or dropped on it: quoted when it holds blanks. Nothing when there is none.
std::optional<NativePath> FirstArgument(std::wstring_view commandLine);
