#include "kelm_chains.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "base/cp1251.h"
#include "base/file_bytes.h"
#include "base/text_convert.h"
#include "book_note.h"
#include "book_template.h"
#include "calc/price_book.h"
#include "calc/table_check.h"
#include "chain_diff.h"
#include "chain_explain.h"
#include "chain_levels.h"
#include "chain_report.h"
#include "data/factory_list.h"
#include "factory_names.h"
#include "data/table_loader.h"
#include "html_report.h"
#include "kelm_version.h"
#include "report_formats.h"
#include "report_output.h"
#include "table_diff.h"
#include "tool_options.h"
#include "tool_platform.h"
#include "web_page.h"

namespace {

// Text the tool writes itself is CP1251 like all program text; output is UTF-8.
std::string Utf8(std::string_view cp1251) { return Cp1251ToUtf8(cp1251); }

struct LoadedTables {
    Catalogue Tables;
    LoadReport Report;
    TableCheck Check;
};

LoadedTables LoadAndCheck(const NativePath& folder) {
    LoadedTables loaded;
    loaded.Report = LoadTables(folder, loaded.Tables);
    loaded.Check = CheckTables(loaded.Tables, loaded.Report);
    return loaded;
}

std::string PathText(const NativePath& path) { return CommandLineText(path.Native()); }

// "FILE:LINE: message": the path as the command line gave it, the rest converted.
std::string ProblemLine(const LoadReport& report, const TableProblem& problem) {
    return PathText(report.Of(problem.File).Path) + Utf8(ProblemAfterFile(problem)) + "\n";
}

std::string MissingFolderLine(const NativePath& folder) { return PathText(folder) + Utf8(": папка не найдена") + "\n"; }

std::string CompleteCountText(int complete) {
    return FormatInts("Фабрик с полными цепочками: %d из %d.", static_cast<std::int32_t>(complete),
                      static_cast<std::int32_t>(kFactoryCount));
}

int RunCheck(const Options& options, ToolOutput& output) {
    if (!FolderExists(options.Tables)) {
        output.Out += MissingFolderLine(options.Tables);
        output.Out += Utf8("Ошибок: 1. " + CompleteCountText(0) + "\n");
        return kExitProblems;
    }
    LoadedTables loaded = LoadAndCheck(options.Tables);
    for (const TableProblem& problem : loaded.Check.Problems) output.Out += ProblemLine(loaded.Report, problem);
    std::int32_t errors = loaded.Check.ErrorCount();
    std::int32_t warnings = static_cast<std::int32_t>(loaded.Check.Problems.size()) - errors;
    std::string summary = errors == 0 ? std::string("Ошибок нет. ") : FormatInts("Ошибок: %d. ", errors);
    if (warnings > 0) summary += FormatInts("Предупреждений: %d. ", warnings);
    output.Out += Utf8(summary + CompleteCountText(loaded.Check.CompleteCount()) + "\n");
    return errors == 0 ? kExitOk : kExitProblems;
}

const std::string kPrefix = "kelm-chains: ";

// The tables of one folder, read whole: nothing, with the reason in output.Err, when the
// folder or a file cannot be read.
std::optional<LoadedTables> ReadableTables(const NativePath& folder, ToolOutput& output) {
    if (!FolderExists(folder)) {
        output.Err += kPrefix + MissingFolderLine(folder);
        return std::nullopt;
    }
    LoadedTables loaded = LoadAndCheck(folder);
    bool unreadable = false;
    for (const TableSource* source : {&loaded.Report.Wares, &loaded.Report.Stations}) {
        if (source->Read) continue;
        output.Err += kPrefix + PathText(source->Path) + Utf8(": файл не найден или не читается") + "\n";
        unreadable = true;
    }
    if (unreadable) return std::nullopt;
    return loaded;
}

// The tables for a command over every chain: it needs at least one complete chain and is
// told how many it leaves out.
std::optional<LoadedTables> TablesForEveryChain(const Options& options, ToolOutput& output) {
    std::optional<LoadedTables> loaded = ReadableTables(options.Tables, output);
    if (!loaded) return std::nullopt;
    int complete = loaded->Check.CompleteCount();
    if (complete == 0) {
        output.Err += Utf8(kPrefix + "ни у одной фабрики списка нет полной цепочки; подробности: kelm-chains check\n");
        return std::nullopt;
    }
    if (complete < static_cast<int>(kFactoryCount)) {
        output.Err += Utf8(kPrefix + FormatInts("фабрик с неполными цепочками: %d, их нет в отчете; подробности: "
                                               "kelm-chains check\n",
                                               static_cast<std::int32_t>(kFactoryCount) - complete));
    }
    return loaded;
}

// The --prices book read against one version of the tables; each problem is a line
// "FILE:LINE: message" in `problems`.
std::optional<BookReading> ReadBook(const NativePath& file, const LoadedTables& tables, std::vector<std::string>& problems) {
    FileReader reader(file);
    ByteBlock bytes;
    std::size_t size = 0;
    if (!reader.IsOpen() || !reader.ReadAll(bytes, size)) {
        problems.push_back(kPrefix + PathText(file) + Utf8(": книга цен не найдена или не читается"));
        return std::nullopt;
    }
    BookReading reading = ReadPriceBook({bytes.get(), size}, tables.Tables.Wares, tables.Report.Wares.Records);
    for (const BookProblem& problem : reading.Problems)
        problems.push_back(PathText(file) + ":" + std::to_string(problem.Line) + ": " + Utf8(problem.Message));
    if (!reading.Problems.empty()) return std::nullopt;
    return reading;
}

void Tell(const std::vector<std::string>& lines, ToolOutput& output, const std::string& after = "") {
    for (const std::string& line : lines) output.Err += line + after + "\n";
}

// The price setting of the options, the book read into `book` when there is one; false
// when the book has problems.
bool SettingOf(const Options& options, const LoadedTables& tables, std::optional<BookReading>& book,
               PriceSetting& setting, ToolOutput& output) {
    setting = AtLevel(options.Level, PriceSetting{});
    setting.Manual = options.Manual;
    if (!options.PricesFile) return true;
    std::vector<std::string> problems;
    book = ReadBook(*options.PricesFile, tables, problems);
    Tell(problems, output);
    setting.Book = book ? &book->Book : nullptr;
    return book.has_value();
}

std::optional<BookNote> NoteFor(const Options& options, const std::optional<BookReading>& book,
                                const LoadedTables& tables, const std::vector<bool>& bookUse) {
    if (!book) return std::nullopt;
    return NoteOf(PathText(*options.PricesFile), *book, tables.Tables.Wares, bookUse);
}

const BookNote* Pointer(const std::optional<BookNote>& note) { return note ? &*note : nullptr; }

// A text table goes to the console, whose width its names are cut to, or whole to a file.
// A line that fills the console's last column would wrap and leave an empty line.
std::size_t ConsoleWidth(const Options& options, const ToolOutput& output) {
    return options.OutputFile || output.ConsoleColumns == 0 ? 0 : output.ConsoleColumns - 1;
}

// The list item the factory operand names, with the reason on standard error when there is
// none.
std::optional<int> OperandItem(const Options& options, const LoadedTables& loaded, ToolOutput& output) {
    std::string problem;
    std::optional<int> item = ItemOfOperand(options, loaded.Tables, problem);
    if (!problem.empty()) output.Err += Utf8(kPrefix + problem + "\n");
    return item;
}

bool Complete(const LoadedTables& loaded, int item) { return loaded.Check.Complete[static_cast<std::size_t>(item)]; }

int TellIncomplete(int item, ToolOutput& output) {
    output.Err += Utf8(kPrefix + FormatInts("у пункта %d неполная цепочка; подробности: kelm-chains check\n",
                                           static_cast<std::int32_t>(item)));
    return kExitProblems;
}

TablesNote NoteOfTables(const Options& options, const LoadedTables& loaded) {
    return {PathText(options.Tables),
            {FileDateText(loaded.Report.Wares.Path), FileDateText(loaded.Report.Stations.Path)}};
}

int RunReport(const Options& options, ToolOutput& output) {
    std::optional<LoadedTables> loaded = TablesForEveryChain(options, output);
    if (!loaded) return kExitProblems;
    std::optional<BookReading> book;
    PriceSetting setting;
    if (!SettingOf(options, *loaded, book, setting, output)) return kExitUsage;
    std::vector<bool> bookUse;
    std::vector<ReportRow> rows = BuildReport(loaded->Tables, loaded->Check, setting, bookUse);
    if (options.SortByIncome) SortByChainIncome(rows);
    std::optional<BookNote> note = NoteFor(options, book, *loaded, bookUse);
    switch (options.OutputFormat) {
        case Format::Json: return DeliverReport(JsonReport(rows, Pointer(note)), options.OutputFile, false, output);
        case Format::Csv: return DeliverReport(CsvReport(rows, Pointer(note)), options.OutputFile, true, output);
        case Format::Html:
            return DeliverReport(HtmlReport(rows, setting, Pointer(note), NoteOfTables(options, *loaded)),
                                 options.OutputFile, false, output);
        case Format::Text: break;
    }
    return DeliverReport(TextReport(rows, Pointer(note), ConsoleWidth(options, output)), options.OutputFile, true,
                         output);
}

int RunExplain(const Options& options, ToolOutput& output) {
    std::optional<LoadedTables> loaded = ReadableTables(options.Tables, output);
    if (!loaded) return kExitProblems;
    std::optional<int> item = OperandItem(options, *loaded, output);
    if (!item) return kExitUsage;
    std::optional<BookReading> book;
    PriceSetting setting;
    if (!SettingOf(options, *loaded, book, setting, output)) return kExitUsage;
    std::vector<bool> bookUse;
    std::optional<Explanation> explanation;
    if (Complete(*loaded, *item)) explanation = ExplainChain(loaded->Tables, *item, setting, bookUse);
    if (!explanation) return TellIncomplete(*item, output);
    std::optional<BookNote> note = NoteFor(options, book, *loaded, bookUse);
    bool json = options.OutputFormat == Format::Json;
    std::string text =
        json ? ExplanationJson(*explanation, Pointer(note)) : ExplanationText(*explanation, Pointer(note));
    return DeliverReport(text, options.OutputFile, !json, output);
}

int RunLevels(const Options& options, ToolOutput& output) {
    bool everyChain = !options.Item && !options.FactoryName;
    std::optional<LoadedTables> loaded =
        everyChain ? TablesForEveryChain(options, output) : ReadableTables(options.Tables, output);
    if (!loaded) return kExitProblems;
    std::optional<int> item;
    if (!everyChain) {
        item = OperandItem(options, *loaded, output);
        if (!item) return kExitUsage;
        if (!Complete(*loaded, *item)) return TellIncomplete(*item, output);
    }
    std::optional<BookReading> book;
    PriceSetting setting;
    if (!SettingOf(options, *loaded, book, setting, output)) return kExitUsage;
    std::vector<bool> bookUse;
    std::vector<LevelsRow> rows = BuildLevels(loaded->Tables, loaded->Check, setting, bookUse, item);
    if (options.SortByIncome) SortByAverageIncome(rows);
    std::optional<BookNote> note = NoteFor(options, book, *loaded, bookUse);
    switch (options.OutputFormat) {
        case Format::Json: return DeliverReport(LevelsJson(rows, Pointer(note)), options.OutputFile, false, output);
        case Format::Csv: return DeliverReport(LevelsCsv(rows, Pointer(note)), options.OutputFile, true, output);
        default:
            return DeliverReport(LevelsText(rows, Pointer(note), ConsoleWidth(options, output)), options.OutputFile,
                                 true, output);
    }
}

int RunPrices(const Options& options, ToolOutput& output) {
    std::optional<LoadedTables> loaded = ReadableTables(options.Tables, output);
    if (!loaded) return kExitProblems;
    return DeliverReport(BookTemplate(loaded->Tables, loaded->Report, options.Level), options.OutputFile, true, output);
}

int RunDiff(const Options& options, ToolOutput& output) {
    std::array<std::optional<LoadedTables>, 2> versions;
    for (std::size_t v = 0; v < 2; ++v) versions[v] = ReadableTables(options.Versions[v], output);
    if (!versions[0] || !versions[1]) return kExitUsage;

    // The book names wares, so it is read against each version; what only the new
    // version finds wrong says so.
    std::array<std::optional<BookReading>, 2> books;
    std::array<PriceSetting, 2> settings;
    std::array<std::vector<std::string>, 2> problems;
    for (std::size_t v = 0; v < 2; ++v) {
        settings[v] = AtLevel(options.Level, PriceSetting{});
        settings[v].Manual = options.Manual;
        if (!options.PricesFile) continue;
        books[v] = ReadBook(*options.PricesFile, *versions[v], problems[v]);
        settings[v].Book = books[v] ? &books[v]->Book : nullptr;
    }
    std::erase_if(problems[1], [&](const std::string& line) {
        return std::find(problems[0].begin(), problems[0].end(), line) != problems[0].end();
    });
    Tell(problems[0], output);
    Tell(problems[1], output, Utf8(" (в новых таблицах)"));
    if (options.PricesFile && (!books[0] || !books[1])) return kExitUsage;

    TablesDiff diff;
    diff.Level = options.Level;
    diff.Manual = options.Manual;
    std::array<std::vector<ReportRow>, 2> rows;
    std::vector<bool> bookUse;
    for (std::size_t v = 0; v < 2; ++v) {
        const LoadedTables& tables = *versions[v];
        diff.Folders[v] = PathText(options.Versions[v]);
        diff.Files[v] = {PathText(tables.Report.Wares.Path), PathText(tables.Report.Stations.Path)};
        bookUse.clear();
        rows[v] = BuildReport(tables.Tables, tables.Check, settings[v], bookUse);
    }
    diff.Records = DiffTables(versions[0]->Tables, versions[0]->Report, versions[1]->Tables, versions[1]->Report);
    const std::array<std::vector<std::string>, 2> names = {ListNames(versions[0]->Tables),
                                                           ListNames(versions[1]->Tables)};
    diff.Items = DiffItems(names[0], names[1]);
    diff.Chains = DiffChains({rows[0], names[0]}, {rows[1], names[1]});
    std::optional<BookNote> note = NoteFor(options, books[1], *versions[1], bookUse);
    diff.Book = Pointer(note);

    bool json = options.OutputFormat == Format::Json;
    std::string text = json                                  ? DiffJson(diff)
                       : options.OutputFormat == Format::Csv ? DiffCsv(diff)
                                                             : DiffText(diff, ConsoleWidth(options, output));
    int delivered = DeliverReport(text, options.OutputFile, !json, output);
    if (delivered != kExitOk) return delivered;
    return diff.Empty() ? kExitOk : kExitProblems;
}

// The web page is written to kelm-calc.html unless --output names another file.
int RunPage(const Options& options, ToolOutput& output) {
    std::optional<LoadedTables> loaded = TablesForEveryChain(options, output);
    if (!loaded) return kExitProblems;
    std::array<std::string, 2> bytes;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        FileReader reader(k == 0 ? loaded->Report.Wares.Path : loaded->Report.Stations.Path);
        ByteBlock block;
        std::size_t size = 0;
        if (!reader.IsOpen() || !reader.ReadAll(block, size)) return kExitProblems;
        bytes[k].assign(block.get(), size);
    }
    NativePath file = options.OutputFile ? *options.OutputFile : NativePath() / "kelm-calc.html";
    return DeliverReport(WebPage(bytes[0], bytes[1]), file, false, output);
}

}  // namespace

int RunKelmChains(const std::vector<NativePath::String>& args, ToolOutput& output) {
    std::string error;
    std::optional<Options> options = ParseArguments(args, error);
    if (!options) {
        output.Err += "kelm-chains: " + error + Utf8("\nСправка: kelm-chains --help\n");
        return kExitUsage;
    }
    switch (options->Action) {
        case Command::Help: output.Out += HelpText(); return kExitOk;
        case Command::Version: output.Out += "kelm-chains " KELM_VERSION_TEXT "\n"; return kExitOk;
        case Command::Check: return RunCheck(*options, output);
        case Command::Report: return RunReport(*options, output);
        case Command::Explain: return RunExplain(*options, output);
        case Command::Levels: return RunLevels(*options, output);
        case Command::Prices: return RunPrices(*options, output);
        case Command::Diff: return RunDiff(*options, output);
        case Command::Page: return RunPage(*options, output);
    }
    return kExitUsage;
}
