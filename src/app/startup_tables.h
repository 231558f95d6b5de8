#pragma once
#include <string>

#include "toolkit/form.h"

// The tables folder the program reads: "tables" in the working folder, or beside the
// executable when the program was started from elsewhere (a shortcut, say).
std::string StartupTablesFolder();

// Tells the user what the check of the tables found, before the window shows; false when
// no factory is left to offer and the program has to end.
bool ReportTableProblems(Form& window);
