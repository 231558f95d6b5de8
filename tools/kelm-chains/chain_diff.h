#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "book_note.h"
#include "calc/amount.h"
#include "calc/price_level.h"
#include "chain_report.h"
#include "table_diff.h"

// How the chains of two versions of the tables differ: every chain whose results changed,
// with its chain income per day before and after.
struct ChainChange {
    int Item = 0;
    std::int32_t Station = 0;
    std::string Name;       // CP1251: the new name, the old one of a chain no longer complete
    bool OldComplete = true;
    bool NewComplete = true;
    std::string OldIncome;  // as report shows it; empty where the chain is incomplete
    std::string NewIncome;
    Amount Difference;      // new minus old; no number unless both have one
};

// Rows of the same report over the old and the new tables. Chains that became incomplete
// or complete come first, then the largest absolute change of the chain income, then
// changes without a number; list order among equals.
std::vector<ChainChange> DiffChains(const std::vector<ReportRow>& oldRows, const std::vector<ReportRow>& newRows);

struct TablesDiff {
    std::array<std::string, 2> Folders;  // old, new: UTF-8, as the command line named them
    // [version][file]: where each table file was read, UTF-8, for FILE:LINE.
    std::array<std::array<std::string, 2>, 2> Files;
    PriceLevel Level = PriceLevel::Average;
    bool Manual = false;
    const BookNote* Book = nullptr;
    std::vector<RecordDiff> Records;
    std::vector<ChainChange> Chains;

    bool Empty() const { return Records.empty() && Chains.empty(); }
};

// UTF-8; every line ends with "\n".
std::string DiffText(const TablesDiff& diff);
std::string DiffCsv(const TablesDiff& diff);
std::string DiffJson(const TablesDiff& diff);
