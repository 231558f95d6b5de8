// Starting the real calculator with tables that are missing, broken or elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/cp1251.h"
#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "calc/table_check.h"
#include "core/temp_folder.h"
#include "data/table_loader.h"
#include "program_driver.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShippedTables = fs::path(KELM_SOURCE_DIR) / "tables";

// A fresh folder whose name has a blank, Cyrillic letters and letters of no single-byte
// code page, as a Windows user's folder may have, with a copy of the program in it; removed
// at the end.
class ProgramFolder {
public:
    ProgramFolder() {
        static int counter = 0;
        root_ = fs::temp_directory_path() / (L"Kelm Тест Zoë 测试 " + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                             std::to_wstring(++counter));
        fs::remove_all(root_);
        fs::create_directories(root_ / "tables");
        fs::create_directories(root_ / "elsewhere");
        fs::copy_file(fs::path(WindowsPath(KELM_CALC_EXE)), Exe());
    }
    ~ProgramFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    fs::path Root() const { return root_; }
    fs::path Exe() const { return root_ / "kelm-calc.exe"; }
    fs::path Tables() const { return root_ / "tables"; }
    fs::path Elsewhere() const { return root_ / "elsewhere"; }

    void CopyShipped(const char* name) const { fs::copy_file(kShippedTables / name, Tables() / name); }
    void Write(const char* name, const std::string& bytes) const {
        std::ofstream(Tables() / name, std::ios::binary) << bytes;
    }

private:
    fs::path root_;
};

// Where the line of record index starts: the lines that are not blank or comments are the
// count line, then the records.
std::size_t RecordLineStart(const std::string& text, int index) {
    int dataLine = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line.substr(first, 2) != "//") {
            if (dataLine == index + 1) return pos;
            ++dataLine;
        }
        pos = end + 2;
    }
    return std::string::npos;
}

// The shipped stations file with the fields of one record line from the given field
// (0-based, the name is field 0) on replaced by the given text.
std::string StationsWithLineChanged(int record, int field, const std::string& rest) {
    std::string stations = ReadBytes(kShippedTables / "stations.csv");
    std::size_t lineStart = RecordLineStart(stations, record);
    if (lineStart == std::string::npos) return {};
    std::size_t lineEnd = stations.find("\r\n", lineStart);
    std::size_t cut = lineStart;
    for (int k = 0; k < field; ++k) cut = stations.find(';', cut) + 1;
    std::size_t fieldEnd = stations.find(';', cut);
    stations.replace(cut, (rest.empty() || fieldEnd > lineEnd ? lineEnd : fieldEnd) - cut, rest);
    return stations;
}

struct Checked {
    Catalogue Tables;
    TableCheck Check;
};

Checked LoadAndCheck(const ProgramFolder& folder) {
    Checked checked;
    checked.Check = CheckTables(checked.Tables, LoadTables(NativePath(folder.Tables().wstring()), checked.Tables));
    return checked;
}

RunningProgram StartFromElsewhere(const ProgramFolder& folder) {
    return RunningProgram(folder.Exe().wstring(), folder.Elsewhere().wstring());
}

// The text of a message box the program shows, and the box itself.
struct MessageBoxSeen {
    HWND Box = nullptr;
    std::wstring Text;
};

MessageBoxSeen WaitForMessageBox(const RunningProgram& program) {
    MessageBoxSeen seen;
    seen.Box = program.WaitForWindow(L"#32770");
    if (!seen.Box) return seen;
    for (HWND child : ChildrenOf(seen.Box)) {
        if (GetDlgCtrlID(child) != 0xFFFF) continue;
        seen.Text.resize(static_cast<std::size_t>(GetWindowTextLengthW(child)) + 1);
        int length = GetWindowTextW(child, seen.Text.data(), static_cast<int>(seen.Text.size()));
        seen.Text.resize(static_cast<std::size_t>(length));
    }
    return seen;
}

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

bool AnyVisibleForm(const RunningProgram& program) { return program.WaitForWindow(L"Form", 0) != nullptr; }

int ComboCount(HWND form) {
    return static_cast<int>(SendMessageW(ChildAt(form, L"ComboBox", 6, 30), CB_GETCOUNT, 0, 0));
}

// Picks the list item, presses "Расчет" and compares the seven results with what the
// chain arithmetic gives for the same tables.
void ExpectTheWindowCalculatesAsTheArithmetic(const RunningProgram& program, HWND form, const Catalogue& tables,
                                              int item) {
    HWND resultsGroup = ChildAt(form, L"Button", 376, 12);
    ASSERT_NE(resultsGroup, nullptr);
    PickComboItem(ChildAt(form, L"ComboBox", 6, 30), item);
    HWND calc = FindByText(resultsGroup, L"Button", "Расчет");
    ASSERT_NE(calc, nullptr);
    ASSERT_TRUE(program.WaitUntil([&] { return IsWindowEnabled(calc) != FALSE; }, 4000));
    ClickButton(calc);

    ChainModel model;
    ASSERT_TRUE(ShowChain(model, tables, item));
    ASSERT_TRUE(CalculateChain(model, tables, item).has_value());
    for (ChainResult k : {kMainCost, kSupport1Cost, kSupport2Cost, kSupport3Cost, kTotalCost, kMainIncome, kChainIncome})
        EXPECT_EQ(TextOf(ChildAt(resultsGroup, L"Static", 260, static_cast<int>(20 + 20 * k))), model.Results[k]);
}

TEST(StartupTables, FoundBesideTheProgramWhenStartedFromAnotherFolder) {
    ProgramFolder folder;
    folder.CopyShipped("wares.csv");
    folder.CopyShipped("stations.csv");
    RunningProgram program = StartFromElsewhere(folder);
    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr) << "no window (a message box instead?)";
    EXPECT_EQ(program.WaitForWindow(L"#32770", 0), nullptr);
    EXPECT_EQ(ComboCount(form), 96);
    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST(StartupTables, MissingWaresFileIsReportedWithItsFolderAndTheProgramEnds) {
    ProgramFolder folder;
    folder.CopyShipped("stations.csv");
    RunningProgram program = StartFromElsewhere(folder);
    MessageBoxSeen seen = WaitForMessageBox(program);
    ASSERT_NE(seen.Box, nullptr);
    EXPECT_TRUE(Contains(seen.Text, folder.Tables().wstring())) << "the folder is named with all its letters";
    EXPECT_TRUE(Contains(seen.Text, L"wares.csv"));
    EXPECT_TRUE(Contains(seen.Text, Cp1251ToWide("Программа будет закрыта")));
    EXPECT_FALSE(AnyVisibleForm(program)) << "the window showed before the message";
    PressOk(seen.Box);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(1));
}

TEST(StartupTables, CutStationLineIsToldThenEveryChainIsOfferedAndCalculates) {
    ProgramFolder folder;
    folder.CopyShipped("wares.csv");
    // The record of station 8, the sixth factory of the list, cut short after its product
    // and resource count: the rest reads as zeros.
    folder.Write("stations.csv", StationsWithLineChanged(8, 3, ""));
    Checked checked = LoadAndCheck(folder);
    ASSERT_GT(checked.Check.ErrorCount(), 0);
    ASSERT_EQ(checked.Check.CompleteCount(), 96);

    RunningProgram program = StartFromElsewhere(folder);
    MessageBoxSeen seen = WaitForMessageBox(program);
    ASSERT_NE(seen.Box, nullptr);
    EXPECT_TRUE(Contains(seen.Text, Cp1251ToWide(StartupMessageText(checked.Check)))) << WideToCp1251(seen.Text);
    EXPECT_FALSE(AnyVisibleForm(program));
    PressOk(seen.Box);

    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ComboCount(form), 96);
    ExpectTheWindowCalculatesAsTheArithmetic(program, form, checked.Tables, 5);
    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST(StartupTables, AnOddChainIsNoReasonForAMessageAndKelmChainsNamesIt) {
    ProgramFolder folder;
    folder.CopyShipped("wares.csv");
    // Support 2 of station 8 becomes a factory of another ware than support 1 needs.
    folder.Write("stations.csv", StationsWithLineChanged(8, 11, "2"));
    Checked checked = LoadAndCheck(folder);
    ASSERT_EQ(checked.Check.Problems.size(), 1u);
    ASSERT_TRUE(checked.Check.Problems[0].Warning);
    ASSERT_EQ(checked.Check.CompleteCount(), 96);

    RunningProgram program = StartFromElsewhere(folder);
    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.WaitForWindow(L"#32770", 0), nullptr);
    EXPECT_EQ(ComboCount(form), 96);
    ExpectTheWindowCalculatesAsTheArithmetic(program, form, checked.Tables, 5);
    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));

    const std::wstring tables = L" --tables \"" + folder.Tables().wstring() + L"\"";
    DWORD exitCode = 1;
    std::string check = RunAndCapture(WindowsPath(KELM_CHAINS_EXE), L"check" + tables, exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_NE(check.find(Cp1251ToUtf8(ProblemAfterFile(checked.Check.Problems[0]))), std::string::npos) << check;

    const fs::path report = folder.Root() / L"отчёт Zoë 测试.csv";
    RunAndCapture(WindowsPath(KELM_CHAINS_EXE),
                  L"report --format csv" + tables + L" --output \"" + report.wstring() + L"\"", exitCode);
    EXPECT_EQ(exitCode, 0u);
    std::string written = ReadBytes(report);
    EXPECT_EQ(written.rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 97);
}

}  // namespace
