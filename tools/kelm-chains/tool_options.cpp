#include "tool_options.h"

#include <algorithm>
#include <cstdint>

#include "base/cp1251.h"
#include "base/text_convert.h"
#include "data/factory_list.h"
#include "tool_platform.h"

namespace {

// What a command takes besides its options.
enum class Operands { None, Factory, OptionalFactory, TwoFolders };

struct CommandRow {
    Command Action;
    const char* Name;
    Operands Takes;
    const char* OperandNames;  // as the help shows them
    std::vector<std::pair<const char*, Format>> Formats;  // text, the default, first
    const char* Description;   // CP1251, lines of the help
};

const std::vector<CommandRow>& Commands() {
    static const std::vector<CommandRow> commands = {
        {Command::Check, "check", Operands::None, "", {},
         "Проверяет таблицы и выводит каждую ошибку и каждое предупреждение в виде\n"
         "ФАЙЛ:СТРОКА: сообщение, затем итог. Предупреждение — данные странные, но\n"
         "цепочка считается так, как записана. Код выхода: 0 — ошибок нет (могут быть\n"
         "предупреждения), 1 — ошибки есть, 2 — неверная команда."},
        {Command::Report, "report", Operands::None, "",
         {{"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}, {"html", Format::Html}},
         "Результаты расчета для каждой фабрики списка с полной цепочкой, как их\n"
         "показывает окно после двух кнопок цен уровня --level, цен книги --prices и\n"
         "«Расчет»; все фабрики поддержки включены. Код выхода: 0 — отчет выведен,\n"
         "1 — таблицы не прочитаны или нет ни одной полной цепочки, 2 — неверная команда,\n"
         "ошибки в книге цен или файл не записан."},
        {Command::Explain, "explain", Operands::Factory, "ФАБРИКА", {{"text", Format::Text}, {"json", Format::Json}},
         "Расчет одной цепочки по шагам, как его делает окно. ФАБРИКА — номер пункта\n"
         "списка, от 0 до %d (столбец «Пункт» отчета), или название фабрики, целиком\n"
         "или частью, которая подходит только к ней. Последние семь чисел — результаты\n"
         "расчета, как в report."},
        {Command::Levels, "levels", Operands::OptionalFactory, "[ФАБРИКА]",
         {{"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}},
         "Доход цепочки за сутки для каждой фабрики (или одной: ФАБРИКА, как в explain)\n"
         "при всех девяти сочетаниях уровней цен ресурсов и продажи, и безубыточная цена:\n"
         "наименьшая цена продажи главного продукта, при которой доход цепочки не меньше 0\n"
         "(ресурсы по средним ценам). Цены книги --prices при всех уровнях остаются\n"
         "своими."},
        {Command::Prices, "prices", Operands::None, "", {},
         "Книга цен, с которой удобно начать: каждый товар с ценой уровня --level,\n"
         "в комментарии — его минимальная и максимальная цена. UTF-8 с меткой порядка\n"
         "байтов. Прочитанная без правок, она не меняет ни одного результата."},
        {Command::Diff, "diff", Operands::TwoFolders, "СТАРАЯ_ПАПКА НОВАЯ_ПАПКА",
         {{"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}},
         "Сравнивает две версии таблиц: добавленные, удаленные и измененные товары и\n"
         "фабрики (поле за полем: было и стало, с файлом и строкой), пункты списка, под\n"
         "которыми теперь другая фабрика, затем каждую цепочку, у которой изменились\n"
         "результаты: доход цепочки за сутки, было и стало, и разницу, сначала наибольшие.\n"
         "Записи и цепочки сопоставляются по названиям, ссылки на товары и фабрики — по\n"
         "названиям того, на что ссылаются; записи с повторяющимися названиями — по\n"
         "номерам. Код выхода: 0 — различий нет, 1 — они есть, 2 — неверная команда,\n"
         "папка не читается или ошибки в книге цен."},
        {Command::Page, "page", Operands::None, "", {},
         "Калькулятор одной веб-страницей (по умолчанию kelm-calc.html): таблицы, расчет\n"
         "и все остальное внутри, так что страница работает из файла, без сети и на\n"
         "телефоне. Выбранная фабрика, уровни цен, флажки и набранные цены хранятся в\n"
         "адресе страницы: ссылка на нее открывает тот же расчет."},
    };
    return commands;
}

using Reader = bool (*)(Options& options, const NativePath::String& native, const std::string& text,
                        const CommandRow& command);

struct OptionRow {
    const char* Name;
    std::vector<Command> TakenBy;
    Reader Read;          // nullptr: a switch without a value
    const char* Value;    // as the help shows it; empty for --format, whose values the command gives
    const char* Help;     // CP1251
};

bool ReadFolder(Options& options, const NativePath::String& native, const std::string&, const CommandRow&) {
    options.Tables = NativePath(native);
    return true;
}

bool ReadPrices(Options& options, const NativePath::String& native, const std::string&, const CommandRow&) {
    options.PricesFile = NativePath(native);
    return true;
}

bool ReadOutput(Options& options, const NativePath::String& native, const std::string&, const CommandRow&) {
    options.OutputFile = NativePath(native);
    return true;
}

bool ReadLevel(Options& options, const NativePath::String&, const std::string& text, const CommandRow&) {
    if (text == "min") options.Level = PriceLevel::Minimum;
    else if (text == "avg") options.Level = PriceLevel::Average;
    else if (text == "max") options.Level = PriceLevel::Maximum;
    else return false;
    return true;
}

bool ReadFormat(Options& options, const NativePath::String&, const std::string& text, const CommandRow& command) {
    for (const auto& [name, format] : command.Formats)
        if (text == name) {
            options.OutputFormat = format;
            return true;
        }
    return false;
}

bool ReadSort(Options& options, const NativePath::String&, const std::string& text, const CommandRow&) {
    if (text != "list" && text != "income") return false;
    options.SortByIncome = text == "income";
    return true;
}

constexpr Command kCheck = Command::Check, kReport = Command::Report, kExplain = Command::Explain,
                  kLevels = Command::Levels, kPrices = Command::Prices, kDiff = Command::Diff, kPage = Command::Page;

const std::vector<OptionRow>& OptionTable() {
    static const std::vector<OptionRow> options = {
        {"--tables", {kCheck, kReport, kExplain, kLevels, kPrices, kPage}, &ReadFolder, "ПАПКА",
         "папка с wares.csv и stations.csv; по умолчанию tables в текущей папке"},
        {"--level", {kReport, kExplain, kPrices, kDiff}, &ReadLevel, "min|avg|max",
         "уровень цен, как две кнопки окна: min — минимальные, avg — средние\n(по умолчанию), max — максимальные"},
        {"--prices", {kReport, kExplain, kLevels, kDiff}, &ReadPrices, "ФАЙЛ",
         "книга цен: строки «товар;цена», // — комментарий; UTF-16, UTF-8 или 1251. Где\n"
         "кнопки уровня ставят цену товара из книги, набирается цена книги"},
        {"--manual", {kReport, kExplain, kLevels, kDiff}, nullptr, "",
         "сначала отметить «Все цены выставляются вручную»: цены передачи не\n"
         "подставляются, каждая набранная цена остается"},
        {"--format", {kReport, kExplain, kLevels, kDiff}, &ReadFormat, "",
         "вид вывода: text — таблица (по умолчанию), csv — строки через «;», json,\n"
         "html — страница с таблицей и диаграммой дохода цепочек"},
        {"--sort", {kReport, kLevels}, &ReadSort, "list|income",
         "list — в порядке списка фабрик (по умолчанию), income — по доходу цепочки\nза сутки, от большего к меньшему"},
        {"--output", {kReport, kExplain, kLevels, kPrices, kDiff, kPage}, &ReadOutput, "ФАЙЛ",
         "записать вывод в файл, а не на экран, целиком или никак; строки файла\n"
         "кончаются CR LF, текст, csv и книги цен начинаются с метки UTF-8, чтобы Excel\n"
         "и Блокнот прочитали буквы"},
    };
    return options;
}

bool Takes(const OptionRow& option, Command command) {
    return std::find(option.TakenBy.begin(), option.TakenBy.end(), command) != option.TakenBy.end();
}

// "a, b или c".
std::string Alternatives(const std::vector<std::string>& names) { return ListText(names, " или "); }

std::string CommandNames() {
    std::vector<std::string> names;
    for (const CommandRow& command : Commands()) names.push_back(command.Name);
    return Alternatives(names);
}

std::vector<std::string> FormatNames(const CommandRow& command) {
    std::vector<std::string> names;
    for (const auto& [name, format] : command.Formats) names.push_back(name);
    return names;
}

// What an option's value looks like in the help and in a message.
std::string ValueText(const OptionRow& option, const CommandRow& command) {
    if (option.Read == &ReadFormat) {
        std::string text;
        for (const std::string& name : FormatNames(command)) text += (text.empty() ? "" : "|") + name;
        return text;
    }
    return option.Value;
}

std::string AllowedText(const OptionRow& option, const CommandRow& command) {
    std::vector<std::string> names;
    std::string value = ValueText(option, command);
    for (std::size_t start = 0; start <= value.size();) {
        std::size_t bar = std::min(value.find('|', start), value.size());
        names.push_back(value.substr(start, bar - start));
        start = bar + 1;
    }
    return Alternatives(names);
}

bool NamesFolder(const OptionRow& option) { return std::string(option.Value) == "ПАПКА"; }
bool NamesFile(const OptionRow& option) { return std::string(option.Value) == "ФАЙЛ"; }

// What must follow an option, for the message when nothing does.
std::string NeededValue(const OptionRow& option) {
    return NamesFolder(option) ? "нужна папка" : NamesFile(option) ? "нужен файл" : "нужно значение";
}

int LastItem() { return static_cast<int>(kFactoryCount) - 1; }

// A list item from decimal digits alone: in the list's range or nothing.
std::optional<int> ParseItem(const std::string& text) {
    if (text.size() > 9) return std::nullopt;
    int item = std::stoi(text);
    return item <= LastItem() ? std::optional<int>(item) : std::nullopt;
}

std::string Utf8(std::string_view cp1251) { return Cp1251ToUtf8(cp1251); }
std::string Quoted(const std::string& utf8) { return Utf8("«") + utf8 + Utf8("»"); }

// The words of text (CP1251, one byte a character) as lines of at most width characters.
// The first line goes on after `column` characters already written; every line starts at
// indent. A "\n" in text starts a new line.
std::string Wrapped(const std::string& text, std::size_t indent, std::size_t width, std::size_t column = 0) {
    std::string out;
    std::size_t used = column;
    bool lineStarted = false;
    auto newLine = [&] {
        out += "\n";
        used = 0;
        lineStarted = false;
    };
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
        std::string word = text.substr(start, end - start);
        if (!word.empty()) {
            if (lineStarted && used + 1 + word.size() > width) newLine();
            std::string gap = lineStarted ? " " : std::string(indent > used ? indent - used : 0, ' ');
            out += gap + word;
            used += gap.size() + word.size();
            lineStarted = true;
        }
        if (end < text.size() && text[end] == '\n') newLine();
        start = end + 1;
    }
    if (lineStarted) out += "\n";
    return out;
}

constexpr std::size_t kHelpWidth = 88;

std::string Synopsis(const CommandRow& command) {
    std::string head = std::string("  kelm-chains ") + command.Name + " ";
    std::string words;
    if (*command.OperandNames) words += command.OperandNames;
    for (const OptionRow& option : OptionTable()) {
        if (!Takes(option, command.Action)) continue;
        std::string value = ValueText(option, command);
        std::string part = "[";
        part.append(option.Name);
        if (!value.empty()) part.append(" ").append(value);
        part += ']';
        // Keep each bracket whole on a line.
        std::replace(part.begin(), part.end(), ' ', '\x01');
        words += (words.empty() ? "" : " ") + part;
    }
    std::string text = head + Wrapped(words, head.size(), kHelpWidth, head.size());
    std::replace(text.begin(), text.end(), '\x01', ' ');
    return text;
}

}  // namespace

std::string HelpText() {
    std::string text = "kelm-chains — производственные цепочки Kelm из командной строки.\n";
    for (const CommandRow& command : Commands()) {
        text += '\n';
        text += Synopsis(command);
        text += Wrapped(FormatInts(command.Description, static_cast<std::int32_t>(LastItem())), 6, kHelpWidth);
    }
    text += "\n  kelm-chains --help      эта справка\n  kelm-chains --version   версия программы\n\nПараметры:\n";
    for (const OptionRow& option : OptionTable()) {
        std::string value = option.Read == &ReadFormat ? "text|csv|json|html" : option.Value;
        text.append("  ").append(option.Name);
        if (!value.empty()) text.append(" ").append(value);
        text += '\n';
        text += Wrapped(option.Help, 6, kHelpWidth);
    }
    text += "\nПАПКА содержит wares.csv и stations.csv.\n";
    return Utf8(text);
}

std::optional<Options> ParseArguments(const std::vector<NativePath::String>& args, std::string& error) {
    Options options;
    auto fail = [&](const std::string& utf8) {
        error = utf8;
        return std::nullopt;
    };
    if (args.empty()) return fail(Utf8("не указана команда: " + CommandNames()));
    const std::string commandName = CommandLineText(args[0]);
    if (commandName == "--help" || commandName == "-h") return options;
    if (commandName == "--version") {
        options.Action = Command::Version;
        return options;
    }
    auto command = std::find_if(Commands().begin(), Commands().end(),
                                [&](const CommandRow& row) { return commandName == row.Name; });
    if (command == Commands().end())
        return fail(Utf8("неизвестная команда ") + Quoted(commandName) + Utf8(": нужна " + CommandNames()));
    options.Action = command->Action;

    std::vector<NativePath::String> operands;
    std::size_t wanted = command->Takes == Operands::TwoFolders ? 2 : command->Takes == Operands::None ? 0 : 1;
    for (std::size_t i = 1; i < args.size(); ++i) {
        NativePath::String nativeName = args[i], nativeValue;
        bool hasValue = false;
        std::size_t equals = nativeName.find('=');
        if (CommandLineText(nativeName).rfind("--", 0) == 0 && equals != NativePath::String::npos) {
            nativeValue = nativeName.substr(equals + 1);
            nativeName.resize(equals);
            hasValue = true;
        }
        std::string name = CommandLineText(nativeName);
        if (name == "--help" || name == "-h") {
            options.Action = Command::Help;
            return options;
        }
        if (operands.size() < wanted && name.rfind("--", 0) != 0) {
            operands.push_back(args[i]);
            continue;
        }
        auto option = std::find_if(OptionTable().begin(), OptionTable().end(),
                                   [&](const OptionRow& row) { return name == row.Name; });
        if (option == OptionTable().end() || !Takes(*option, command->Action))
            return fail(Utf8("неизвестный параметр ") + Quoted(name) + Utf8(" команды ") + commandName);
        if (!option->Read) {
            if (hasValue) return fail(Utf8("параметр ") + name + Utf8(" пишется без значения"));
            options.Manual = true;
            continue;
        }
        if (!hasValue) {
            if (i + 1 == args.size()) return fail(Utf8("после ") + name + " " + Utf8(NeededValue(*option)));
            nativeValue = args[++i];
        }
        std::string value = CommandLineText(nativeValue);
        if (value.empty() && (NamesFolder(*option) || NamesFile(*option)))
            return fail(Utf8("после ") + name + " " + Utf8(NeededValue(*option)));
        if (!option->Read(options, nativeValue, value, *command))
            return fail(Utf8("неверное значение ") + Quoted(value) + Utf8(" для ") + name + Utf8(": можно ") +
                        Utf8(AllowedText(*option, *command)));
    }
    if (command->Takes == Operands::Factory || (command->Takes == Operands::OptionalFactory && !operands.empty())) {
        std::string text = operands.empty() ? "" : CommandLineText(operands[0]);
        if (text.empty()) return fail(Utf8("после ") + commandName + Utf8(" нужен номер пункта или название фабрики"));
        // Digits alone are an item number, never a part of a name.
        if (text.find_first_not_of("0123456789") != std::string::npos) {
            options.FactoryName = Utf8ToCp1251(text);
        } else if (std::optional<int> item = ParseItem(text)) {
            options.Item = *item;
        } else {
            return fail(Utf8("нет пункта ") + Quoted(text) +
                        Utf8(FormatInts(": номера пунктов от 0 до %d", static_cast<std::int32_t>(LastItem()))));
        }
    }
    if (command->Takes == Operands::TwoFolders) {
        if (operands.size() < 2) return fail(Utf8("после diff нужны две папки таблиц: старая и новая"));
        options.Versions = {NativePath(operands[0]), NativePath(operands[1])};
    }
    return options;
}
