#pragma once
#include <optional>
#include <string_view>

#include "base/native_path.h"
#include "kelm_chains.h"

// Every command that writes a report hands it over here, as UTF-8 text. Without a file it
// goes to standard output as it is. With one (--output) it goes into that file as a
// Windows text file: lines end in CR LF and, with byteOrderMark (text, CSV and price
// books), it starts with a UTF-8 byte order mark, so that Excel and old Notepads on a
// Russian Windows read its letters right. JSON and HTML go without one: their readers
// take UTF-8 as it is. The file is written beside its target and then put in its place:
// a failure is told on standard error, leaves no partial file and gives kExitNotWritten.
// Returns the exit code.
int DeliverReport(std::string_view report, const std::optional<NativePath>& file, bool byteOrderMark,
                  ToolOutput& output);
