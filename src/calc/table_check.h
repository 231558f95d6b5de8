#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/factory_list.h"
#include "data/table_loader.h"

// Whether the chain of main station mainStation can be shown and calculated without reading
// outside the tables or dividing by zero. It is complete when:
// - the main station and its three Supports are records of StationTable, each with a
//   ResourceCount from 0 to 3;
// - the Product of all four, every listed resource of all four, and the Resources entries
//   the price buttons read whatever ResourceCount says (0-2 of the main factory, 0-1 of
//   support 1, 0 of supports 2 and 3) are records of WareTable;
// - the products of supports 1 to 3 have a non-zero UnitsPerCycle and the products of all
//   four a non-zero CycleSeconds, the divisors of the calculation.
// The shape of the chain (which support makes which resource) is not part of it: the
// arithmetic is defined for any shape.
bool ChainIsComplete(const Catalogue& catalogue, std::int32_t mainStation);

struct TableProblem {
    TableFile File;
    int Line = 0;          // line of the file counted from 1; 0 when the whole file is meant
    std::string Message;   // what is wrong, for the user
    bool Warning = false;  // the data is read and used as written, but likely not as meant
};

struct TableCheck {
    std::vector<TableProblem> Problems;          // wares first, then stations, by line
    std::array<bool, kFactoryCount> Complete{};  // per FactoryList entry
    int CompleteCount() const;
    int ErrorCount() const;  // problems that are not warnings
};

// Checks the loaded tables: the files and their count lines, every record line, and the
// chain of every FactoryList entry, whose completeness is that of ChainIsComplete. Whatever
// makes data read otherwise than written (a missing file, lines beyond the count, records
// no line filled, lines cut short) or leaves a chain out is an error; a chain of odd shape
// is a warning. Each problem is reported once, at the line to fix.
TableCheck CheckTables(const Catalogue& catalogue, const LoadReport& report);

// ":LINE: message", or ": message" for the whole file; a warning says so before its
// message. What follows the file's name, or its path where the platform shows one.
std::string ProblemAfterFile(const TableProblem& problem);
// "FILE:LINE: message" with the file's name alone.
std::string ProblemText(const TableProblem& problem);

// Whether the user is told at start-up: some data was not read as meant, or a chain is
// left out of the list. Warnings alone are not worth stopping the start for.
bool StartupMessageNeeded(const TableCheck& check);

// The start-up message: the first shownCount errors, how many more there are and how many
// warnings, then whether the program goes on with the complete chains or ends. Lines end
// with CR LF.
std::string StartupMessageText(const TableCheck& check, std::size_t shownCount = 8);
