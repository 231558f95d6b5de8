// Starting the real calculator with tables that are missing, broken or elsewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "calc/table_check.h"
#include "data/table_loader.h"
#include "program_driver.h"
#include "toolkit/cp1251.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShippedTables = fs::path(KELM_SOURCE_DIR) / "tables";

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A fresh folder whose name has a blank and Cyrillic letters, with a copy of the program
// in it; removed at the end.
class ProgramFolder {
public:
    ProgramFolder() {
        static int counter = 0;
        root_ = fs::temp_directory_path() /
                (L"Kelm Тест " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
        fs::remove_all(root_);
        fs::create_directories(root_ / "tables");
        fs::create_directories(root_ / "elsewhere");
        fs::copy_file(fs::path(Cp1251ToWide(WindowsPath(KELM_CALC_EXE))), Exe());
    }
    ~ProgramFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

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

std::string Narrow(const fs::path& path) { return WideToCp1251(path.wstring()); }

// The text of a message box the program shows, and the box itself.
struct MessageBoxSeen {
    HWND Box = nullptr;
    std::string Text;
};

MessageBoxSeen WaitForMessageBox(const RunningProgram& program) {
    MessageBoxSeen seen;
    seen.Box = program.WaitForWindow(L"#32770");
    if (!seen.Box) return seen;
    for (HWND child : ChildrenOf(seen.Box))
        if (GetDlgCtrlID(child) == 0xFFFF) seen.Text = TextOf(child);
    return seen;
}

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

bool AnyVisibleForm(const RunningProgram& program) { return program.WaitForWindow(L"Form", 0) != nullptr; }

int ComboCount(HWND form) {
    return static_cast<int>(SendMessageW(ChildAt(form, L"ComboBox", 6, 30), CB_GETCOUNT, 0, 0));
}

TEST(StartupTables, FoundBesideTheProgramWhenStartedFromAnotherFolder) {
    ProgramFolder folder;
    folder.CopyShipped("wares.csv");
    folder.CopyShipped("stations.csv");
    RunningProgram program(Narrow(folder.Exe()), Narrow(folder.Elsewhere()));
    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr) << "no window (a message box instead?)";
    EXPECT_EQ(program.WaitForWindow(L"#32770", 0), nullptr);
    EXPECT_EQ(ComboCount(form), 96);
    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST(StartupTables, MissingWaresFileIsReportedAndTheProgramEnds) {
    ProgramFolder folder;
    folder.CopyShipped("stations.csv");
    RunningProgram program(Narrow(folder.Exe()), Narrow(folder.Elsewhere()));
    MessageBoxSeen seen = WaitForMessageBox(program);
    ASSERT_NE(seen.Box, nullptr);
    EXPECT_NE(seen.Text.find("wares.csv"), std::string::npos) << seen.Text;
    EXPECT_NE(seen.Text.find("Программа будет закрыта"), std::string::npos) << seen.Text;
    EXPECT_FALSE(AnyVisibleForm(program)) << "the window showed before the message";
    PressOk(seen.Box);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(1));
}

TEST(StartupTables, ShortStationLineLeavesOnlyTheCompleteChainsUsable) {
    ProgramFolder folder;
    folder.CopyShipped("wares.csv");
    // One station line cut short after its product and resource count: the record of
    // station 8, the sixth factory of the list.
    std::string stations = ReadBytes(kShippedTables / "stations.csv");
    std::size_t lineStart = RecordLineStart(stations, 8);
    ASSERT_NE(lineStart, std::string::npos);
    std::size_t lineEnd = stations.find("\r\n", lineStart);
    std::size_t cut = lineStart;
    for (int k = 0; k < 3; ++k) cut = stations.find(';', cut) + 1;
    stations.erase(cut, lineEnd - cut);
    folder.Write("stations.csv", stations);

    Catalogue catalogue;
    LoadReport report = LoadTables(Narrow(folder.Tables()), catalogue);
    TableCheck check = CheckTables(catalogue, report);
    ASSERT_GT(check.CompleteCount(), 0);
    ASSERT_LT(check.CompleteCount(), 96);

    RunningProgram program(Narrow(folder.Exe()), Narrow(folder.Elsewhere()));
    MessageBoxSeen seen = WaitForMessageBox(program);
    ASSERT_NE(seen.Box, nullptr);
    EXPECT_EQ(seen.Text, StartupMessageText(check));
    EXPECT_FALSE(AnyVisibleForm(program));
    PressOk(seen.Box);

    HWND form = program.WaitForWindow(L"Form");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ComboCount(form), check.CompleteCount());
    // The first listed factory works: its chain shows and calculates.
    HWND combo = ChildAt(form, L"ComboBox", 6, 30);
    HWND resultsGroup = ChildAt(form, L"Button", 376, 12);
    ASSERT_NE(resultsGroup, nullptr);
    PickComboItem(combo, 0);
    HWND calc = FindByText(resultsGroup, L"Button", "Расчет");
    ASSERT_NE(calc, nullptr);
    for (int i = 0; i < 200 && !IsWindowEnabled(calc); ++i) Sleep(20);
    ASSERT_TRUE(IsWindowEnabled(calc));
    ClickButton(calc);
    EXPECT_NE(TextOf(ChildAt(resultsGroup, L"Static", 260, 20)), "0");
    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
