#pragma once
#include <string>
#include <vector>

#include "book_note.h"
#include "chain_report.h"

// Column headers of the report as a table, CP1251: item, name, the seven results.
std::vector<std::string> ReportColumns();

// The report as UTF-8 text, one format each; every line ends with "\n". A report made with
// a price book (book not null) says so.

// One array, one object per row, keys in a fixed order.
std::string JsonReport(const std::vector<ReportRow>& rows, const BookNote* book);
// A header line, then one ";"-separated line per row.
std::string CsvReport(const std::vector<ReportRow>& rows, const BookNote* book);
// Aligned columns for a terminal: name and results, without support names and sale prices;
// names cut to fit a console of consoleWidth columns, whole when it is 0.
std::string TextReport(const std::vector<ReportRow>& rows, const BookNote* book, std::size_t consoleWidth);
