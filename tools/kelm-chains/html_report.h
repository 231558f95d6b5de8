#pragma once
#include <array>
#include <string>
#include <vector>

#include "book_note.h"
#include "chain_report.h"

// The report as one self-contained page (UTF-8): the ranking table with columns that sort
// on a click, and a bar chart of the chain incomes per day, losses in their own colour.
// Inline CSS, SVG and a few lines of script; nothing is fetched. Opening the page with
// "#sort=N" sorts by column N as a click on its header would. Numbers are grouped by
// thousands with a narrow no-break space; a page made with a price book says so. The page
// names the tables it was made from, so that a printout can be told from a later one.
struct TablesNote {
    std::string Folder;                // UTF-8, as the command line named it
    std::array<std::string, 2> Dates;  // when wares.csv and stations.csv were changed, UTF-8; empty if unknown
};
std::string HtmlReport(const std::vector<ReportRow>& rows, const PriceSetting& setting, const BookNote* book,
                       const TablesNote& tables);
