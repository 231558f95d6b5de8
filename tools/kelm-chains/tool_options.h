#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/native_path.h"
#include "calc/price_level.h"
#include "data/table_loader.h"

// The tool's command line: one table of commands and one of options drive the parsing,
// its checks and --help.

enum class Command { Check, Report, Explain, Levels, Prices, Diff, Page, Help, Version };
enum class Format { Text, Csv, Json, Html };

struct Options {
    Command Action = Command::Help;
    NativePath Tables = NativePath() / kTablesFolder;
    PriceLevel Level = PriceLevel::Average;
    Format OutputFormat = Format::Text;
    bool SortByIncome = false;
    bool Manual = false;  // "Все цены выставляются вручную" checked first
    // explain, levels: the factory as given, by its combo-box index or its name (CP1251,
    // whole or a part); neither for levels over every chain.
    std::optional<int> Item;
    std::optional<std::string> FactoryName;
    std::array<NativePath, 2> Versions;  // diff: the old and the new tables folder
    std::optional<NativePath> PricesFile;
    std::optional<NativePath> OutputFile;
};

// Reads the arguments after the program name. On a usage error returns nothing and leaves
// the message (UTF-8) in error. Folder and file names are kept as the platform gave them.
std::optional<Options> ParseArguments(const std::vector<NativePath::String>& args, std::string& error);

// The help, UTF-8.
std::string HelpText();
