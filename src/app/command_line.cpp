#include "app/command_line.h"

#include <string>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// One word of the command line from its start: within quotes up to the closing one (or the
// end), else up to a blank. The rest is what follows it.
std::wstring_view TakeWord(std::wstring_view& line) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    std::size_t end = 0;
    std::wstring_view word;
    if (!line.empty() && line.front() == L'"') {
        end = line.find(L'"', 1);
        word = line.substr(1, end == std::wstring_view::npos ? std::wstring_view::npos : end - 1);
        end = end == std::wstring_view::npos ? line.size() : end + 1;
    } else {
        while (end < line.size() && !IsBlank(line[end])) ++end;
        word = line.substr(0, end);
    }
    line.remove_prefix(end);
    return word;
}

}  // namespace

std::optional<NativePath> FirstArgument(std::wstring_view commandLine) {
    TakeWord(commandLine);  // the program
    std::wstring_view argument = TakeWord(commandLine);
    if (argument.empty()) return std::nullopt;
    return NativePath(std::wstring(argument));
}
