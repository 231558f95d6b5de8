#pragma once
#include <string_view>

#include "base/native_path.h"

enum class FileWrite { Written, NotCreated, NotWritten, NotReplaced };

// Writes bytes to a new temporary file beside target, then puts it in target's place,
// replacing a file that is there. On failure the temporary file is removed again and
// target is as it was.
FileWrite WriteFileReplacing(const NativePath& target, std::string_view bytes);
