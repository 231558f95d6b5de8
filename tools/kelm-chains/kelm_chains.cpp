#include "kelm_chains.h"

#include <optional>

#include "calc/price_level.h"
#include "calc/table_check.h"
#include "chain_report.h"
#include "data/factory_list.h"
#include "data/table_loader.h"
#include "kelm_version.h"
#include "report_formats.h"
#include "tool_platform.h"
#include "toolkit/cp1251.h"
#include "toolkit/text_convert.h"

namespace {

constexpr const char* kHelp =
    "kelm-chains — производственные цепочки Kelm из командной строки.\n"
    "\n"
    "  kelm-chains check [--tables ПАПКА]\n"
    "      Проверяет таблицы и выводит каждую ошибку в виде ФАЙЛ:СТРОКА: сообщение,\n"
    "      затем итог. Код выхода: 0 — ошибок нет, 1 — ошибки есть, 2 — неверная команда.\n"
    "\n"
    "  kelm-chains report [--tables ПАПКА] [--level min|avg|max] [--format text|csv|json]\n"
    "                     [--sort list|income]\n"
    "      Результаты расчета для каждой фабрики списка с полной цепочкой, как их\n"
    "      показывает окно: цены уровня --level (min — минимальные, avg — средние,\n"
    "      max — максимальные; по умолчанию avg), все фабрики поддержки включены,\n"
    "      цены выставляются автоматически.\n"
    "      --format text — таблица (по умолчанию), csv — строки через «;», json — массив.\n"
    "      --sort list — в порядке списка фабрик (по умолчанию), income — по доходу\n"
    "      цепочки за сутки, от большего к меньшему.\n"
    "      Код выхода: 0 — отчет выведен, 1 — таблицы не прочитаны или нет ни одной\n"
    "      полной цепочки, 2 — неверная команда.\n"
    "\n"
    "  kelm-chains --help      эта справка\n"
    "  kelm-chains --version   версия программы\n"
    "\n"
    "ПАПКА содержит wares.csv и stations.csv; по умолчанию это tables в текущей папке.\n";

enum class Command { Check, Report, Help, Version };
enum class Format { Text, Csv, Json };

struct Options {
    Command Action = Command::Help;
    std::string Tables{kTablesFolder};
    PriceLevel Level = PriceLevel::Average;
    Format Output = Format::Text;
    bool SortByIncome = false;
};

// Text the tool writes itself is CP1251 like all program text; output is UTF-8.
std::string Utf8(std::string_view cp1251) { return Cp1251ToUtf8(cp1251); }

std::string Quoted(const std::string& argument) { return Utf8("«") + CommandLineText(argument) + Utf8("»"); }

// Reads the options; on a usage error returns nothing and leaves the message (UTF-8) in
// error.
std::optional<Options> ParseArguments(const std::vector<std::string>& args, std::string& error) {
    Options options;
    if (args.empty()) {
        error = Utf8("не указана команда: check или report");
        return std::nullopt;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") return options;
    if (command == "--version") {
        options.Action = Command::Version;
        return options;
    }
    if (command == "check") {
        options.Action = Command::Check;
    } else if (command == "report") {
        options.Action = Command::Report;
    } else {
        error = Utf8("неизвестная команда ") + Quoted(command) + Utf8(": нужна check или report");
        return std::nullopt;
    }

    bool report = options.Action == Command::Report;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string name = args[i], value;
        bool hasValue = false;
        if (std::size_t equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
            hasValue = true;
        }
        if (name == "--help" || name == "-h") {
            options.Action = Command::Help;
            return options;
        }
        bool known = name == "--tables" || (report && (name == "--level" || name == "--format" || name == "--sort"));
        if (!known) {
            error = Utf8("неизвестный параметр ") + Quoted(name) + Utf8(" команды ") + command;
            return std::nullopt;
        }
        if (!hasValue) {
            if (i + 1 == args.size()) {
                error = Utf8("после ") + name + Utf8(" нужно значение");
                return std::nullopt;
            }
            value = args[++i];
        }
        auto bad = [&](const char* allowed) {
            error = Utf8("неверное значение ") + Quoted(value) + Utf8(" для ") + name + Utf8(": можно ") + Utf8(allowed);
            return std::nullopt;
        };
        if (name == "--tables") {
            if (value.empty()) {
                error = Utf8("после --tables нужна папка");
                return std::nullopt;
            }
            options.Tables = value;
        } else if (name == "--level") {
            if (value == "min") options.Level = PriceLevel::Minimum;
            else if (value == "avg") options.Level = PriceLevel::Average;
            else if (value == "max") options.Level = PriceLevel::Maximum;
            else return bad("min, avg или max");
        } else if (name == "--format") {
            if (value == "text") options.Output = Format::Text;
            else if (value == "csv") options.Output = Format::Csv;
            else if (value == "json") options.Output = Format::Json;
            else return bad("text, csv или json");
        } else {
            if (value == "list") options.SortByIncome = false;
            else if (value == "income") options.SortByIncome = true;
            else return bad("list или income");
        }
    }
    return options;
}

struct LoadedTables {
    Catalogue Tables;
    LoadReport Report;
    TableCheck Check;
};

LoadedTables LoadAndCheck(const std::string& folder) {
    LoadedTables loaded;
    loaded.Report = LoadTables(folder, loaded.Tables);
    loaded.Check = CheckTables(loaded.Tables, loaded.Report);
    return loaded;
}

// "FILE:LINE: message": the path as the command line gave it, the message converted.
std::string ProblemLine(const TableProblem& problem) {
    std::string line = CommandLineText(problem.Path);
    if (problem.Line > 0) (line += ':') += std::to_string(problem.Line);
    return line + ": " + Utf8(problem.Message) + "\n";
}

std::string MissingFolderLine(const std::string& folder) {
    return CommandLineText(folder) + ": " + Utf8("папка не найдена") + "\n";
}

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
    for (const TableProblem& problem : loaded.Check.Problems) output.Out += ProblemLine(problem);
    std::int32_t problems = static_cast<std::int32_t>(loaded.Check.Problems.size());
    std::string summary = problems == 0 ? std::string("Ошибок нет. ") : FormatInts("Ошибок: %d. ", problems);
    output.Out += Utf8(summary + CompleteCountText(loaded.Check.CompleteCount()) + "\n");
    return problems == 0 ? kExitOk : kExitProblems;
}

int RunReport(const Options& options, ToolOutput& output) {
    const std::string prefix = "kelm-chains: ";
    if (!FolderExists(options.Tables)) {
        output.Err += prefix + MissingFolderLine(options.Tables);
        return kExitProblems;
    }
    LoadedTables loaded = LoadAndCheck(options.Tables);
    bool unreadable = false;
    for (const TableSource* source : {&loaded.Report.Wares, &loaded.Report.Stations}) {
        if (source->Read) continue;
        output.Err += prefix + CommandLineText(source->Path) + ": " + Utf8("файл не найден или не читается") + "\n";
        unreadable = true;
    }
    if (unreadable) return kExitProblems;

    int complete = loaded.Check.CompleteCount();
    if (complete == 0) {
        output.Err += Utf8(prefix + "ни у одной фабрики списка нет полной цепочки; подробности: kelm-chains check\n");
        return kExitProblems;
    }
    if (complete < static_cast<int>(kFactoryCount)) {
        output.Err += Utf8(prefix + FormatInts("фабрик с неполными цепочками: %d, их нет в отчете; подробности: "
                                              "kelm-chains check\n",
                                              static_cast<std::int32_t>(kFactoryCount) - complete));
    }

    std::vector<ReportRow> rows = BuildReport(loaded.Tables, loaded.Check, options.Level);
    if (options.SortByIncome) SortByChainIncome(rows);
    switch (options.Output) {
        case Format::Json: output.Out += JsonReport(rows); break;
        case Format::Csv: output.Out += CsvReport(rows); break;
        case Format::Text: output.Out += TextReport(rows); break;
    }
    return kExitOk;
}

}  // namespace

int RunKelmChains(const std::vector<std::string>& args, ToolOutput& output) {
    std::string error;
    std::optional<Options> options = ParseArguments(args, error);
    if (!options) {
        output.Err += "kelm-chains: " + error + Utf8("\nСправка: kelm-chains --help\n");
        return kExitUsage;
    }
    switch (options->Action) {
        case Command::Help: output.Out += Utf8(kHelp); return kExitOk;
        case Command::Version: output.Out += "kelm-chains " KELM_VERSION_TEXT "\n"; return kExitOk;
        case Command::Check: return RunCheck(*options, output);
        case Command::Report: return RunReport(*options, output);
    }
    return kExitUsage;
}
