#pragma once
#include "base/native_path.h"
#include "toolkit/form.h"

// The tables folder the program reads: "tables" in the working folder, or beside the
// executable when the program was started from elsewhere (a shortcut, say).
NativePath StartupTablesFolder();

// Tells the user what the check of the tables in tablesFolder found, before the window
// shows, when it is worth telling; false when no factory is left to offer and the program
// has to end.
bool ReportTableProblems(Form& window, const NativePath& tablesFolder);
