#pragma once
#include <string>

#include "base/native_path.h"

// What differs between the systems the tool runs on. Arguments, folder and file names stay
// as the platform gives them (UTF-16 on Windows, bytes elsewhere) and reach the file
// functions unchanged; they become UTF-8 only to be shown.

bool FolderExists(const NativePath& folder);

// A command-line argument, or a path built from one, as UTF-8 for a message.
std::string CommandLineText(const NativePath::String& text);

// While alive, a Windows console shows UTF-8 output; the console's code page is put back
// at the end. Elsewhere terminals take UTF-8 as they are.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned int previousCodePage_ = 0;
};
