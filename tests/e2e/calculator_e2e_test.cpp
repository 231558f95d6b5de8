// The real calculator, started as a player starts it and driven from outside its process.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>

#include "base/cp1251.h"
#include "calc/chain_results.h"
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
    }

    bool Complete() const {
        if (!FactoryCombo || !MainFactoryName || !CalcButton || !CloseButton) return false;
        for (HWND w : Results)
            if (!w) return false;
        for (HWND w : SalePrices)
            if (!w) return false;
        return true;
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

    for (const ReportRow& row : report) {
        int item = std::stoi(row.at("item"));
        std::string name = ComboItemText(window.FactoryCombo, item);
        ASSERT_EQ(name, row.at("name")) << "item " << item;
        PickComboItem(window.FactoryCombo, item);
        ASSERT_TRUE(program.WaitForText(window.MainFactoryName, name)) << "item " << item;
        ASSERT_TRUE(IsWindowEnabled(window.CalcButton));
        ClickButton(window.CalcButton);
        for (const ResultDescription& result : kChainResults)
            EXPECT_EQ(TextOf(window.Results[result.Result]), row.at(result.Key)) << "item " << item << ", " << result.Key;
    }

    ClickButton(window.CloseButton);
    std::optional<DWORD> code = program.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program still runs after \"Закрыть\"";
    EXPECT_EQ(*code, 0u);
}

}  // namespace
