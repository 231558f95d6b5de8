#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/factory_list.h"

struct LoadReport;

// Whether the chain of main station mainStation can be shown and calculated without reading
// outside the tables or dividing by zero. It is complete when:
// - the main station and its three Supports are records of StationTable, each with a
//   ResourceCount from 0 to 3;
// - the Product of all four, every listed resource of all four, and the Resources entries
//   the price buttons read whatever ResourceCount says (0-2 of the main factory, 0-1 of
//   support 1, 0 of supports 2 and 3) are records of WareTable;
// - it has the fixed shape: support 1 makes the main factory's Resources[1], support 3 its
//   Resources[2], and support 2 makes support 1's Resources[1]; "makes" means that the
//   supplier's Product is that very ware index. Resource counts are not part of the shape;
// - the products of supports 1 to 3 have a non-zero UnitsPerCycle and the products of all
//   four a non-zero CycleSeconds, the divisors of the calculation.
bool ChainIsComplete(const Catalogue& catalogue, std::int32_t mainStation);

struct TableProblem {
    std::string Path;     // the file as the loader named it
    int Line = 0;         // line of the file counted from 1; 0 when the whole file is meant
    std::string Message;  // what is wrong, for the user
};

struct TableCheck {
    std::vector<TableProblem> Problems;          // wares first, then stations, by line
    std::array<bool, kFactoryCount> Complete{};  // per FactoryList entry
    int CompleteCount() const;
};

// Checks the loaded tables: the files and their count lines, every record line, and the
// chain of every FactoryList entry. Besides ChainIsComplete, a complete chain needs every
// record it reads to be filled by a line with a ";" after the name, and the four product
// wares to have the full time text. Each problem is reported once, at the line to fix.
TableCheck CheckTables(const Catalogue& catalogue, const LoadReport& report);

// "FILE:LINE: message", or "FILE: message" for the whole file.
std::string ProblemText(const TableProblem& problem);

// The start-up message: the first shownCount problems, how many more there are, and
// whether the program goes on with the complete chains or ends. Lines end with CR LF.
std::string StartupMessageText(const TableCheck& check, std::size_t shownCount = 8);
