#pragma once
#include <optional>
#include <string_view>

#include "base/native_path.h"
#include "kelm_chains.h"

// Every command that writes a report hands it over here, as UTF-8 text. Without a file it
// goes to standard output as it is. With one (--output) it goes into that file, which with
// csv starts with a UTF-8 byte order mark, so that Excel on a Russian Windows reads its
// letters and columns right. The file is written beside its target and then put in its
// place: a failure is told on standard error, leaves no partial file and gives
// kExitNotWritten. Returns the exit code.
int DeliverReport(std::string_view report, const std::optional<NativePath>& file, bool csv, ToolOutput& output);
