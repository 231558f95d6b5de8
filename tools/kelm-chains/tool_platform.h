#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "base/native_path.h"

// What differs between the systems the tool runs on. Arguments, folder and file names stay
// as the platform gives them (UTF-16 on Windows, bytes elsewhere) and reach the file
// functions unchanged; they become UTF-8 only to be shown.

bool FolderExists(const NativePath& folder);

// A command-line argument, or a path built from one, as UTF-8 for a message.
std::string CommandLineText(const NativePath::String& text);

// When the file was last changed, in local time: "08.12.2026 18:30"; empty when unknown.
std::string FileDateText(const NativePath& file);

enum class StandardStream { Output, Error };

// The columns of the console the stream shows in; 0 when it goes to a file or a pipe.
std::size_t ConsoleColumns(StandardStream stream);

// Writes UTF-8 text to the stream. A Windows console gets it as UTF-16, so that it reads
// right whatever the console's code page, which stays as it was; a file or a pipe gets the
// UTF-8 bytes, with CR LF line ends on Windows. False when not everything was written.
bool WriteStandard(StandardStream stream, std::string_view utf8);
