// The real calculator, started as a player starts it and driven from outside its process.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "base/cp1251.h"
#include "calc/chain_results.h"
#include "core/temp_folder.h"
#include "program_driver.h"

namespace {

const std::string kSourceDir = KELM_SOURCE_DIR;

// The controls a player uses for one chain, found by class and place as the window lays
// them out.
struct CalculatorWindow {
    HWND Form = nullptr;
    HWND FactoryCombo = nullptr;
    HWND MainFactoryName = nullptr;
    HWND CalcButton = nullptr;
    HWND CloseButton = nullptr;
    std::array<HWND, kChainResultCount> Results{};  // by ChainResult
    std::array<HWND, 4> SalePrices{};
    std::array<HWND, 3> ResourceButtons{};  // minimum, average, maximum
    std::array<HWND, 3> ProductButtons{};
    HWND ManualPrices = nullptr;

    explicit CalculatorWindow(HWND form) : Form(form) {
        FactoryCombo = ChildAt(form, L"ComboBox", 6, 30);
        HWND mainGroup = ChildAt(form, L"Button", 6, 60);
        HWND chainGroup = ChildAt(form, L"Button", 6, 229);
        HWND resultsGroup = ChildAt(form, L"Button", 376, 12);
        if (!mainGroup || !chainGroup || !resultsGroup) return;
        MainFactoryName = ChildAt(mainGroup, L"Static", 92, 20);
        CalcButton = FindByText(resultsGroup, L"Button", "Расчет");
        CloseButton = FindByText(form, L"Button", "Закрыть");
        const int resultTops[7] = {20, 40, 60, 80, 100, 120, 140};
        for (int k = 0; k < 7; ++k) Results[k] = ChildAt(resultsGroup, L"Static", 260, resultTops[k]);
        SalePrices = {ChildAt(mainGroup, L"Edit", 92, 40), ChildAt(chainGroup, L"Edit", 92, 40),
                      ChildAt(chainGroup, L"Edit", 445, 40), ChildAt(chainGroup, L"Edit", 92, 184)};
        ResourceButtons = {FindByText(chainGroup, L"Button", "Минимальные"), FindByText(chainGroup, L"Button", "Средние"),
                           FindByText(chainGroup, L"Button", "Максимальные")};
        ProductButtons = {FindByText(chainGroup, L"Button", "Минимальная"), FindByText(chainGroup, L"Button", "Средняя"),
                          FindByText(chainGroup, L"Button", "Максимальная")};
        ManualPrices = FindByText(resultsGroup, L"Button", "Все цены выставляются вручную");
    }

    bool Complete() const {
        if (!FactoryCombo || !MainFactoryName || !CalcButton || !CloseButton) return false;
        for (HWND w : Results)
            if (!w) return false;
        for (HWND w : SalePrices)
            if (!w) return false;
        for (std::size_t level = 0; level < 3; ++level)
            if (!ResourceButtons[level] || !ProductButtons[level]) return false;
        return ManualPrices != nullptr;
    }
};

std::string ComboItemText(HWND combo, int index) {
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return WideToCp1251(text);
}

// One row of kelm-chains' csv report, by column name, texts in CP1251.
using ReportRow = std::map<std::string, std::string>;

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            fields.push_back(field);
            field.clear();
        } else if (c != '\r') {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

std::vector<ReportRow> ParseCsvReport(const std::string& utf8) {
    std::istringstream lines(utf8);
    std::string line;
    std::getline(lines, line);
    std::vector<std::string> header = SplitCsvLine(line);
    std::vector<ReportRow> rows;
    while (std::getline(lines, line)) {
        if (line.empty() || line == "\r") continue;
        std::vector<std::string> fields = SplitCsvLine(line);
        ReportRow row;
        for (std::size_t k = 0; k < header.size() && k < fields.size(); ++k) row[header[k]] = Utf8ToCp1251(fields[k]);
        rows.push_back(row);
    }
    return rows;
}

// Each chain of the report picked in the window, then before() (the player's buttons), then
// «Расчет»: the window shows the report's seven results.
template <class Before>
void ExpectResultsOfReport(const RunningProgram& program, const CalculatorWindow& window,
                           const std::vector<ReportRow>& report, Before before) {
    for (const ReportRow& row : report) {
        int item = std::stoi(row.at("item"));
        std::string name = ComboItemText(window.FactoryCombo, item);
        ASSERT_EQ(name, row.at("name")) << "item " << item;
        PickComboItem(window.FactoryCombo, item);
        ASSERT_TRUE(program.WaitForText(window.MainFactoryName, name)) << "item " << item;
        ASSERT_TRUE(IsWindowEnabled(window.CalcButton));
        before(item);
        ClickButton(window.CalcButton);
        for (const ResultDescription& result : kChainResults)
            EXPECT_EQ(TextOf(window.Results[result.Result]), row.at(result.Key)) << "item " << item << ", " << result.Key;
    }
}

std::vector<ReportRow> Report(const std::wstring& options) {
    DWORD exitCode = 0;
    std::string csv = RunAndCapture(WindowsPath(KELM_CHAINS_EXE),
                                    L"report --format csv --tables \"" + WindowsPath(kSourceDir + "/tables") + L"\" " + options,
                                    exitCode);
    EXPECT_EQ(exitCode, 0u) << csv;
    return ParseCsvReport(csv);
}

TEST(Calculator, EveryFactoryOfTheShippedTablesGivesTheResultsOfTheReport) {
    DWORD exitCode = 0;
    std::string csv = RunAndCapture(WindowsPath(KELM_CHAINS_EXE),
                                    L"report --format csv --tables \"" + WindowsPath(kSourceDir + "/tables") + L"\"",
                                    exitCode);
    ASSERT_EQ(exitCode, 0u) << csv;
    std::vector<ReportRow> report = ParseCsvReport(csv);
    ASSERT_EQ(report.size(), 96u);

    RunningProgram program(WindowsPath(KELM_CALC_EXE), WindowsPath(kSourceDir));
    ASSERT_TRUE(program.Started());
    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr);
    CalculatorWindow window(form);
    ASSERT_TRUE(window.Complete());
    EXPECT_EQ(SendMessageW(window.FactoryCombo, CB_GETCOUNT, 0, 0), 96);
    EXPECT_EQ(SendMessageW(window.FactoryCombo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_FALSE(IsWindowEnabled(window.CalcButton));

    ExpectResultsOfReport(program, window, report, [](int) {});

    ClickButton(window.CloseButton);
    std::optional<DWORD> code = program.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program still runs after \"Закрыть\"";
    EXPECT_EQ(*code, 0u);
}

}  // namespace

namespace {

// A book of the player's own: every other ware of the level's template at half its price
// again, in a folder whose name has blanks and Cyrillic letters.
std::wstring WriteBook(const std::wstring& folder) {
    DWORD exitCode = 0;
    std::string book = RunAndCapture(WindowsPath(KELM_CHAINS_EXE),
                                     L"prices --level max --tables \"" + WindowsPath(kSourceDir + "/tables") + L"\"",
                                     exitCode);
    std::istringstream lines(book);
    std::string line, kept;
    for (int n = 0; std::getline(lines, line);) {
        const std::size_t separator = line.find(';');
        if (line.rfind("//", 0) == 0 || separator == std::string::npos || n++ % 2) continue;
        const long price = std::stol(line.substr(separator + 1));
        kept += line.substr(0, separator) + ";" + std::to_string(price + price / 2) + "\r\n";
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\моя книга.txt";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, kept.data(), static_cast<DWORD>(kept.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

std::wstring TestFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"kelm книги " + std::to_wstring(GetCurrentProcessId());
}

std::wstring WideTitle(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

// A book given at start, as Explorer gives a file opened with the program: every chain at
// two level combinations and in manual mode shows what kelm-chains reports with that book.
TEST(Calculator, ABookGivenAtStartPricesEveryChainAsTheReportDoes) {
    const std::wstring book = WriteBook(TestFolder());
    RunningProgram program(WindowsPath(KELM_CALC_EXE), WindowsPath(kSourceDir), L"\"" + book + L"\"");
    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr);
    EXPECT_NE(WideTitle(form).find(L" \u2014 моя книга.txt"), std::wstring::npos);
    CalculatorWindow window(form);
    ASSERT_TRUE(window.Complete());
    struct Case {
        const wchar_t* options;
        int level;
        bool manual;
    };
    for (const Case& c : {Case{L"--level min", 0, false}, Case{L"--level max", 2, false},
                          Case{L"--level avg --manual", 1, true}}) {
        const std::vector<ReportRow> report = Report(L"--prices \"" + book + L"\" " + c.options);
        ASSERT_EQ(report.size(), 96u) << c.level;
        if (c.manual) ClickButton(window.ManualPrices);
        ExpectResultsOfReport(program, window, report, [&](int) {
            ClickButton(window.ResourceButtons[static_cast<std::size_t>(c.level)]);
            ClickButton(window.ProductButtons[static_cast<std::size_t>(c.level)]);
        });
    }
}

namespace {

// The file dialog the program shows, given the path and told OK: the dialog, or null when
// none showed or its name box was not found.
HWND EnterFileName(const RunningProgram& program, const std::wstring& path) {
    HWND dialog = program.WaitForWindow(L"#32770");
    if (!dialog) return nullptr;
    // The dialog shows before its controls are all made, most of all under emulation.
    HWND edit = nullptr;
    program.WaitUntil(
        [&] {
            HWND name = GetDlgItem(dialog, 0x47c);
            HWND combo = name ? FindWindowExW(name, nullptr, L"ComboBox", nullptr) : nullptr;
            edit = combo ? FindWindowExW(combo, nullptr, L"Edit", nullptr)
                         : name ? FindWindowExW(name, nullptr, L"Edit", nullptr) : nullptr;
            return edit != nullptr;
        },
        10000);
    if (!edit) return nullptr;
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return dialog;
}

// The program's file dialog, driven as a player types a name into it and presses Enter.
bool AnswerFileDialog(const RunningProgram& program, const std::wstring& path) {
    HWND dialog = EnterFileName(program, path);
    return dialog && program.WaitUntil([&] { return !IsWindow(dialog); }, 10000);
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace

// The window menu's commands as automation sends them: a book opened and the prices saved
// through the real dialogs, the chain copied, a bad book refused with its problems.
TEST(Calculator, TheWindowMenuOpensSavesAndCopies) {
    const std::wstring folder = TestFolder();
    const std::wstring book = WriteBook(folder);
    RunningProgram program(WindowsPath(KELM_CALC_EXE), WindowsPath(kSourceDir));
    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr);
    CalculatorWindow window(form);
    ASSERT_TRUE(window.Complete());
    const std::wstring title = WideTitle(form);
    PickComboItem(window.FactoryCombo, 3);
    ASSERT_TRUE(program.WaitUntil([&] { return !TextOf(window.MainFactoryName).empty(); }, 10000));

    PostMessageW(form, WM_SYSCOMMAND, 0x0100, 0);
    ASSERT_TRUE(AnswerFileDialog(program, book));
    EXPECT_TRUE(program.WaitUntil([&] { return WideTitle(form) == title + L" \u2014 моя книга.txt"; }, 10000));

    const std::wstring saved = folder + L"\\сохраненная.txt";
    DeleteFileW(saved.c_str());  // left by an earlier run: Wine gives process ids again
    PostMessageW(form, WM_SYSCOMMAND, 0x0110, 0);
    ASSERT_TRUE(AnswerFileDialog(program, saved));
    ASSERT_TRUE(program.WaitUntil([&] { return !ReadBytes(saved).empty(); }, 10000));
    const std::string bytes = ReadBytes(saved);
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF// ", 0), 0u);
    EXPECT_NE(bytes.find(";" + TextOf(window.SalePrices[0]) + "\r\n"), std::string::npos) << bytes;

    // Saved again over it: the dialog asks first, and a yes writes the file anew.
    std::ofstream(std::filesystem::path(saved), std::ios::binary) << "старое";
    PostMessageW(form, WM_SYSCOMMAND, 0x0110, 0);
    HWND dialog = EnterFileName(program, saved);
    ASSERT_NE(dialog, nullptr);
    HWND question = nullptr;
    ASSERT_TRUE(program.WaitUntil([&] { return (question = BoxOfThread(form, dialog)) != nullptr; }, 10000));
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(program.WaitUntil([&] { return ReadBytes(saved) == bytes; }, 10000));
    EXPECT_TRUE(program.WaitUntil([&] { return !IsWindow(dialog); }, 10000));

    PostMessageW(form, WM_SYSCOMMAND, 0x0120, 0);
    EXPECT_TRUE(program.WaitUntil([&] { return WideTitle(form) == title; }, 10000));

    PostMessageW(form, WM_SYSCOMMAND, 0x0130, 0);
    const std::wstring firstLine = L"Главная фабрика\t" + Cp1251ToWide(TextOf(window.MainFactoryName)) + L"\t";
    EXPECT_TRUE(program.WaitUntil([&] { return ClipboardText().rfind(firstLine, 0) == 0; }, 10000));
    EXPECT_NE(ClipboardText().find(L"\r\nДоход цепочки за сутки:\t"), std::wstring::npos);

    // A bad book: one box with the path and each problem; the window goes on without it.
    const std::wstring bad = folder + L"\\плохая.txt";
    HANDLE file = CreateFileW(bad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string lines = "Нет такого товара;5\r\n";
    DWORD written = 0;
    WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    CloseHandle(file);
    PostMessageW(form, WM_SYSCOMMAND, 0x0100, 0);
    ASSERT_TRUE(AnswerFileDialog(program, bad));
    HWND box = program.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    HWND message = nullptr;
    program.WaitUntil([&] { return (message = GetDlgItem(box, 0xFFFF)) != nullptr; }, 10000);
    const std::wstring said = message ? WideTitle(message) : L"";
    EXPECT_NE(said.find(bad), std::wstring::npos) << WideToCp1251(said);
    EXPECT_NE(said.find(L"плохая.txt:1: "), std::wstring::npos) << WideToCp1251(said);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(program.WaitUntil([&] { return !IsWindow(box); }, 10000));
    EXPECT_EQ(WideTitle(form), title);
}

// A book dropped from Explorer is opened: the drop's file list written into the program,
// as the shell hands it over, and WM_DROPFILES posted.
TEST(Calculator, ABookDroppedOnTheWindowIsOpened) {
    const std::wstring book = WriteBook(TestFolder());
    RunningProgram program(WindowsPath(KELM_CALC_EXE), WindowsPath(kSourceDir));
    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr);
    const std::wstring title = WideTitle(form);

    std::vector<char> drop(sizeof(DROPFILES) + (book.size() + 2) * sizeof(wchar_t));
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::memcpy(drop.data(), &header, sizeof header);
    std::memcpy(drop.data() + sizeof header, book.c_str(), (book.size() + 1) * sizeof(wchar_t));
    DWORD processId = 0;
    GetWindowThreadProcessId(form, &processId);
    OwnedKernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId));
    ASSERT_TRUE(process);
    void* remote = VirtualAllocEx(process.Get(), nullptr, drop.size(), MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(remote, nullptr);
    ASSERT_TRUE(WriteProcessMemory(process.Get(), remote, drop.data(), drop.size(), nullptr));
    PostMessageW(form, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);

    EXPECT_TRUE(program.WaitUntil([&] { return WideTitle(form) == title + L" \u2014 моя книга.txt"; }, 10000));
}

// A bad book given at start is told of in a box of its own before the window shows; the
// window then starts without a book.
TEST(Calculator, ABadBookGivenAtStartIsToldOfAndTheWindowStartsWithoutIt) {
    const std::wstring missing = TestFolder() + L"\\нет такой книги.txt";
    RunningProgram program(WindowsPath(KELM_CALC_EXE), WindowsPath(kSourceDir), L"\"" + missing + L"\"");
    HWND box = program.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    const std::wstring said = WideTitle(GetDlgItem(box, 0xFFFF));
    EXPECT_EQ(said.rfind(missing + L"\r\n\r\nнет такой книги.txt: книга цен не найдена или не читается", 0), 0u)
        << WideToCp1251(said);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(WideToCp1251(WideTitle(form)), "Программа для расчета производственных цепочек в Kelm");
}
