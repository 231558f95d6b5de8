#include "kelm_chains.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "calc/price_level.h"
#include "calc/table_check.h"
#include "chain_explain.h"
#include "chain_levels.h"
#include "chain_report.h"
#include "data/factory_list.h"
#include "data/table_loader.h"
#include "html_report.h"
#include "kelm_version.h"
#include "report_formats.h"
#include "report_output.h"
#include "tool_platform.h"
#include "toolkit/cp1251.h"
#include "toolkit/text_convert.h"

namespace {

constexpr const char* kHelp =
    "kelm-chains — производственные цепочки Kelm из командной строки.\n"
    "\n"
    "  kelm-chains check [--tables ПАПКА]\n"
    "      Проверяет таблицы и выводит каждую ошибку и каждое предупреждение в виде\n"
    "      ФАЙЛ:СТРОКА: сообщение, затем итог. Предупреждение — данные странные, но\n"
    "      цепочка считается так, как записана. Код выхода: 0 — ошибок нет (могут быть\n"
    "      предупреждения), 1 — ошибки есть, 2 — неверная команда.\n"
    "\n"
    "  kelm-chains report [--tables ПАПКА] [--level min|avg|max] [--format text|csv|json|html]\n"
    "                     [--sort list|income] [--output ФАЙЛ]\n"
    "      Результаты расчета для каждой фабрики списка с полной цепочкой, как их\n"
    "      показывает окно: цены уровня --level (min — минимальные, avg — средние,\n"
    "      max — максимальные; по умолчанию avg), все фабрики поддержки включены,\n"
    "      цены выставляются автоматически.\n"
    "      --format text — таблица (по умолчанию), csv — строки через «;», json — массив,\n"
    "      html — страница с таблицей и диаграммой дохода цепочек.\n"
    "      --sort list — в порядке списка фабрик (по умолчанию), income — по доходу\n"
    "      цепочки за сутки, от большего к меньшему.\n"
    "      Код выхода: 0 — отчет выведен, 1 — таблицы не прочитаны или нет ни одной\n"
    "      полной цепочки, 2 — неверная команда или файл не записан.\n"
    "\n"
    "  kelm-chains explain ПУНКТ [--tables ПАПКА] [--level min|avg|max] [--format text|json]\n"
    "                     [--output ФАЙЛ]\n"
    "      Расчет одной цепочки по шагам, как его делает окно после двух кнопок цен\n"
    "      уровня --level и «Расчет». ПУНКТ — номер фабрики в списке, от 0 до 95 (столбец\n"
    "      «Пункт» отчета). Последние семь чисел — результаты расчета, как в report.\n"
    "\n"
    "  kelm-chains levels [--tables ПАПКА] [--format text|csv|json] [--sort list|income]\n"
    "                     [--output ФАЙЛ]\n"
    "      Доход цепочки за сутки для каждой фабрики при всех девяти сочетаниях уровней\n"
    "      цен ресурсов и продажи, и безубыточная цена: наименьшая цена продажи главного\n"
    "      продукта, при которой доход цепочки не меньше 0 (ресурсы по средним ценам).\n"
    "      --sort income — по доходу при средних ценах, от большего к меньшему.\n"
    "\n"
    "  kelm-chains --help      эта справка\n"
    "  kelm-chains --version   версия программы\n"
    "\n"
    "ПАПКА содержит wares.csv и stations.csv; по умолчанию это tables в текущей папке.\n"
    "--output ФАЙЛ — записать вывод в файл, а не на экран; файл csv начинается с метки\n"
    "UTF-8, чтобы Excel прочитал буквы и столбцы. Файл записывается целиком или никак.\n";

enum class Command { Check, Report, Explain, Levels, Help, Version };
enum class Format { Text, Csv, Json, Html };

struct Options {
    Command Action = Command::Help;
    NativePath Tables = NativePath() / kTablesFolder;
    PriceLevel Level = PriceLevel::Average;
    Format ReportFormat = Format::Text;
    bool SortByIncome = false;
    int Item = -1;  // explain: the combo-box index
    std::optional<NativePath> OutputFile;
};

struct NamedCommand {
    const char* Name;
    Command Action;
    std::vector<std::string> Options;  // besides --tables
    std::vector<std::pair<std::string, Format>> Formats;
};

const std::vector<NamedCommand>& Commands() {
    static const std::vector<NamedCommand> commands = {
        {"check", Command::Check, {}, {}},
        {"report", Command::Report, {"--level", "--format", "--sort", "--output"},
         {{"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}, {"html", Format::Html}}},
        {"explain", Command::Explain, {"--level", "--format", "--output"},
         {{"text", Format::Text}, {"json", Format::Json}}},
        {"levels", Command::Levels, {"--format", "--sort", "--output"},
         {{"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}}},
    };
    return commands;
}

// "a, b или c".
std::string Alternatives(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) text += (i == 0 ? "" : i + 1 == names.size() ? " или " : ", ") + names[i];
    return text;
}

std::string CommandNames() {
    std::vector<std::string> names;
    for (const NamedCommand& command : Commands()) names.push_back(command.Name);
    return Alternatives(names);
}

// A list item as a whole decimal number in the list's range.
std::optional<int> ParseItem(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    int item = std::stoi(text);
    return item < static_cast<int>(kFactoryCount) ? std::optional<int>(item) : std::nullopt;
}

// Text the tool writes itself is CP1251 like all program text; output is UTF-8.
std::string Utf8(std::string_view cp1251) { return Cp1251ToUtf8(cp1251); }

std::string Quoted(const std::string& argumentText) { return Utf8("«") + argumentText + Utf8("»"); }

// Reads the options; on a usage error returns nothing and leaves the message (UTF-8) in
// error. Folder and file names are kept as the platform gave them.
std::optional<Options> ParseArguments(const std::vector<NativePath::String>& args, std::string& error) {
    Options options;
    if (args.empty()) {
        error = Utf8("не указана команда: " + CommandNames());
        return std::nullopt;
    }
    const std::string command = CommandLineText(args[0]);
    if (command == "--help" || command == "-h") return options;
    if (command == "--version") {
        options.Action = Command::Version;
        return options;
    }
    auto named = std::find_if(Commands().begin(), Commands().end(),
                              [&](const NamedCommand& c) { return command == c.Name; });
    if (named == Commands().end()) {
        error = Utf8("неизвестная команда ") + Quoted(command) + Utf8(": нужна " + CommandNames());
        return std::nullopt;
    }
    options.Action = named->Action;

    bool explain = options.Action == Command::Explain;
    for (std::size_t i = 1; i < args.size(); ++i) {
        NativePath::String nativeName = args[i], nativeValue;
        bool hasValue = false;
        if (std::size_t equals = nativeName.find('=');
            CommandLineText(nativeName).rfind("--", 0) == 0 && equals != NativePath::String::npos) {
            nativeValue = nativeName.substr(equals + 1);
            nativeName.resize(equals);
            hasValue = true;
        }
        std::string name = CommandLineText(nativeName);
        if (name == "--help" || name == "-h") {
            options.Action = Command::Help;
            return options;
        }
        if (explain && options.Item < 0 && name.rfind("--", 0) != 0) {
            std::optional<int> item = ParseItem(name);
            if (!item) {
                error = Utf8("нет пункта ") + Quoted(name) + Utf8(FormatInts(": номера пунктов от 0 до %d",
                                                                             static_cast<std::int32_t>(kFactoryCount) - 1));
                return std::nullopt;
            }
            options.Item = *item;
            continue;
        }
        bool known = name == "--tables" ||
                     std::find(named->Options.begin(), named->Options.end(), name) != named->Options.end();
        if (!known) {
            error = Utf8("неизвестный параметр ") + Quoted(name) + Utf8(" команды ") + command;
            return std::nullopt;
        }
        if (!hasValue) {
            if (i + 1 == args.size()) {
                error = Utf8("после ") + name + Utf8(" нужно значение");
                return std::nullopt;
            }
            nativeValue = args[++i];
        }
        std::string value = CommandLineText(nativeValue);
        auto bad = [&](const char* allowed) {
            error = Utf8("неверное значение ") + Quoted(value) + Utf8(" для ") + name + Utf8(": можно ") + Utf8(allowed);
            return std::nullopt;
        };
        if (name == "--tables") {
            if (value.empty()) {
                error = Utf8("после --tables нужна папка");
                return std::nullopt;
            }
            options.Tables = NativePath(nativeValue);
        } else if (name == "--output") {
            if (value.empty()) {
                error = Utf8("после --output нужен файл");
                return std::nullopt;
            }
            options.OutputFile = NativePath(nativeValue);
        } else if (name == "--level") {
            if (value == "min") options.Level = PriceLevel::Minimum;
            else if (value == "avg") options.Level = PriceLevel::Average;
            else if (value == "max") options.Level = PriceLevel::Maximum;
            else return bad("min, avg или max");
        } else if (name == "--format") {
            std::vector<std::string> names;
            for (const auto& [formatName, format] : named->Formats) {
                if (value == formatName) options.ReportFormat = format;
                names.push_back(formatName);
            }
            if (std::find(names.begin(), names.end(), value) == names.end()) return bad(Alternatives(names).c_str());
        } else {
            if (value == "list") options.SortByIncome = false;
            else if (value == "income") options.SortByIncome = true;
            else return bad("list или income");
        }
    }
    if (explain && options.Item < 0) {
        error = Utf8("после explain нужен номер пункта");
        return std::nullopt;
    }
    return options;
}

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

// The tables for a command that calculates: nothing, with the reason in output.Err, when
// they cannot be read. A command over every chain needs at least one complete chain and
// is told how many it leaves out.
std::optional<LoadedTables> TablesToCalculate(const Options& options, ToolOutput& output, bool everyChain) {
    if (!FolderExists(options.Tables)) {
        output.Err += kPrefix + MissingFolderLine(options.Tables);
        return std::nullopt;
    }
    LoadedTables loaded = LoadAndCheck(options.Tables);
    bool unreadable = false;
    for (const TableSource* source : {&loaded.Report.Wares, &loaded.Report.Stations}) {
        if (source->Read) continue;
        output.Err += kPrefix + PathText(source->Path) + Utf8(": файл не найден или не читается") + "\n";
        unreadable = true;
    }
    if (unreadable) return std::nullopt;
    if (!everyChain) return loaded;

    int complete = loaded.Check.CompleteCount();
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

int RunReport(const Options& options, ToolOutput& output) {
    std::optional<LoadedTables> loaded = TablesToCalculate(options, output, true);
    if (!loaded) return kExitProblems;
    std::vector<ReportRow> rows = BuildReport(loaded->Tables, loaded->Check, options.Level);
    if (options.SortByIncome) SortByChainIncome(rows);
    switch (options.ReportFormat) {
        case Format::Json: return DeliverReport(JsonReport(rows), options.OutputFile, false, output);
        case Format::Csv: return DeliverReport(CsvReport(rows), options.OutputFile, true, output);
        case Format::Html: return DeliverReport(HtmlReport(rows, options.Level), options.OutputFile, false, output);
        case Format::Text: break;
    }
    return DeliverReport(TextReport(rows), options.OutputFile, false, output);
}

int RunExplain(const Options& options, ToolOutput& output) {
    std::optional<LoadedTables> loaded = TablesToCalculate(options, output, false);
    if (!loaded) return kExitProblems;
    std::optional<Explanation> explanation;
    if (loaded->Check.Complete[static_cast<std::size_t>(options.Item)])
        explanation = ExplainChain(loaded->Tables, options.Item, options.Level);
    if (!explanation) {
        output.Err += Utf8(kPrefix + FormatInts("у пункта %d неполная цепочка; подробности: kelm-chains check\n",
                                               static_cast<std::int32_t>(options.Item)));
        return kExitProblems;
    }
    std::string text =
        options.ReportFormat == Format::Json ? ExplanationJson(*explanation) : ExplanationText(*explanation);
    return DeliverReport(text, options.OutputFile, false, output);
}

int RunLevels(const Options& options, ToolOutput& output) {
    std::optional<LoadedTables> loaded = TablesToCalculate(options, output, true);
    if (!loaded) return kExitProblems;
    std::vector<LevelsRow> rows = BuildLevels(loaded->Tables, loaded->Check);
    if (options.SortByIncome) SortByAverageIncome(rows);
    switch (options.ReportFormat) {
        case Format::Json: return DeliverReport(LevelsJson(rows), options.OutputFile, false, output);
        case Format::Csv: return DeliverReport(LevelsCsv(rows), options.OutputFile, true, output);
        default: return DeliverReport(LevelsText(rows), options.OutputFile, false, output);
    }
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
        case Command::Help: output.Out += Utf8(kHelp); return kExitOk;
        case Command::Version: output.Out += "kelm-chains " KELM_VERSION_TEXT "\n"; return kExitOk;
        case Command::Check: return RunCheck(*options, output);
        case Command::Report: return RunReport(*options, output);
        case Command::Explain: return RunExplain(*options, output);
        case Command::Levels: return RunLevels(*options, output);
    }
    return kExitUsage;
}
