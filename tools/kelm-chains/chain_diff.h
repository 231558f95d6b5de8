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
// with its chain income per day before and after. Chains are paired by the name of their
// main factory where it is unique in both factory lists, else by item.

enum class ChainKind { Changed, BecameIncomplete, BecameComplete, Added, Removed };

struct ChainChange {
    ChainKind Kind = ChainKind::Changed;
    int OldItem = kNoRecord;  // the item in each factory list; kNoRecord where it is not listed
    int NewItem = kNoRecord;
    bool ByIndex = false;   // paired by item: the name is not unique
    std::int32_t Station = 0;
    std::string Name;       // CP1251: the new name, the old one of a chain no longer listed
    std::string OldIncome;  // as report shows it; empty where the chain is incomplete or not listed
    std::string NewIncome;
    Amount Difference;      // new minus old; no number unless both have one
};

// One version's chains: the report rows of its complete chains and the names of every item
// of its factory list (ListNames).
struct ChainVersion {
    const std::vector<ReportRow>& Rows;
    const std::vector<std::string>& Names;
};

// Chains that became incomplete or complete, or came into or left the list, come first,
// then the largest absolute change of the chain income, then changes without a number;
// the new list's order among equals.
std::vector<ChainChange> DiffChains(const ChainVersion& oldChains, const ChainVersion& newChains);

// An item of the factory list that now names another factory.
struct ItemChange {
    int Item = 0;
    std::string OldName;  // CP1251
    std::string NewName;
};
std::vector<ItemChange> DiffItems(const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames);

struct TablesDiff {
    std::array<std::string, 2> Folders;  // old, new: UTF-8, as the command line named them
    // [version][file]: where each table file was read, UTF-8, for FILE:LINE.
    std::array<std::array<std::string, 2>, 2> Files;
    PriceLevel Level = PriceLevel::Average;
    bool Manual = false;
    const BookNote* Book = nullptr;
    RecordsDiff Records;
    std::vector<ItemChange> Items;
    std::vector<ChainChange> Chains;

    bool Empty() const { return Records.Records.empty() && Items.empty() && Chains.empty(); }
};

// UTF-8; every line ends with "\n". consoleWidth as for the report.
std::string DiffText(const TablesDiff& diff, std::size_t consoleWidth);
std::string DiffCsv(const TablesDiff& diff);
std::string DiffJson(const TablesDiff& diff);
