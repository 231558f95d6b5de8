#pragma once
#include <string>

// What differs between the systems the tool runs on. Folder and file names are taken as
// the command line gives them: UTF-8 on Linux, the ANSI code page (CP1251 on Russian
// systems) on Windows, where the tables loader reads them as CP1251.

bool FolderExists(const std::string& folder);

// A text from the command line, or a path built from one, as UTF-8.
std::string CommandLineText(const std::string& text);

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
