#pragma once
#include <string>
#include <string_view>

#include "base/native_path.h"

enum class FileWrite { Written, NotCreated, NotWritten, NotReplaced };

// Writes bytes to a new temporary file beside target, then puts it in target's place,
// replacing a file that is there. On failure the temporary file is removed again and
// target is as it was.
FileWrite WriteFileReplacing(const NativePath& target, std::string_view bytes);

// Why a write failed, in words for the player; empty for a write that succeeded.
const char* FileWriteProblem(FileWrite result);
// UTF-8 text as a text file for Windows: every line ending in CR LF, as Notepad before
// Windows 10 needs, and with a byte order mark first when asked (Notepad before
// Windows 10 1903 and Excel read a file without one as ANSI).
std::string WindowsTextFile(std::string_view utf8, bool byteOrderMark);
