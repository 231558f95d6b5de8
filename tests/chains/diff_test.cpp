// kelm-chains diff, and the CSV every command writes.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "calc/chain_results.h"
#include "chains/example_tables.h"
#include "csv_writer.h"
#include "data/table_loader.h"
#include "table_diff.h"

namespace {

using namespace example;

const std::filesystem::path kShipped = std::filesystem::path(KELM_SOURCE_DIR) / "tables";

// Replaces field `field` (from 0) of file line `line` (from 1) of a CP1251 table file.
void ChangeField(const std::filesystem::path& file, int line, std::size_t field, const std::string& value) {
    std::string text = ReadBytes(file);
    std::size_t start = 0;
    for (int k = 1; k < line; ++k) start = text.find("\r\n", start) + 2;
    for (std::size_t k = 0; k < field; ++k) start = text.find(';', start) + 1;
    std::size_t end = text.find_first_of(";/\r", start);
    text.replace(start, end - start, value);
    std::ofstream(file, std::ios::binary) << text;
}

// Each report line of a JSON report by item.
std::map<std::string, std::string> ByItem(const std::string& json) {
    std::map<std::string, std::string> rows;
    for (const std::string& line : Lines(json))
        if (line.find("\"item\": ") != std::string::npos) rows[JsonField(line, "item")] = line;
    return rows;
}

TEST(KelmChainsDiff, ShippedTablesAgainstACopyWithOnePriceOneQuantityAndOneSupportChanged) {
    TempFolder folder;
    const std::filesystem::path copy = folder.Path() / "new";
    std::filesystem::create_directories(copy);
    for (const char* file : {"wares.csv", "stations.csv"}) std::filesystem::copy_file(kShipped / file, copy / file);
    Catalogue shipped;
    LoadReport report = LoadTables(NativeOf(kShipped), shipped);
    const int oreLine = report.Wares.Records[0].FileLine, stationLine = report.Stations.Records[19].FileLine;
    const int supportLine = report.Stations.Records[59].FileLine;
    ChangeField(copy / "wares.csv", oreLine, 2, std::to_string(shipped.Wares[0].AvgPrice + 5));
    ChangeField(copy / "stations.csv", stationLine, 6, std::to_string(shipped.Stations[19].ResourceAmounts[0] + 5));
    ChangeField(copy / "stations.csv", supportLine, 11, "3");

    const std::string oldPath = Utf8Path(kShipped), newPath = Utf8Path(copy);
    ToolRun text = Tool({"diff", oldPath, newPath});
    ASSERT_EQ(text.ExitCode, kExitProblems) << text.Output.Err;
    std::vector<std::string> lines = Lines(text.Output.Out);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[2], Utf8("Изменения таблиц: 3"));
    auto place = [](const std::filesystem::path& folder, const char* file, int line) {
        return Utf8Path(folder / file) + ":" + std::to_string(line);
    };
    EXPECT_EQ(lines[3], place(copy, "wares.csv", oreLine) + Utf8(": товар № 0 (" + shipped.Wares[0].Name +
                                                                     "): средняя цена: ") +
                            std::to_string(shipped.Wares[0].AvgPrice) + " \xE2\x86\x92 " +
                            std::to_string(shipped.Wares[0].AvgPrice + 5) + Utf8(" (было: ") +
                            place(kShipped, "wares.csv", oreLine) + ")");
    EXPECT_NE(lines[4].find(Utf8("количество ресурса 1: ")), std::string::npos) << lines[4];
    EXPECT_EQ(lines[5].rfind(place(copy, "stations.csv", supportLine) + Utf8(": фабрика № 59 ("), 0), 0u);
    // A reference reads as the name of what it points at.
    auto name = [&](std::int32_t station) { return "«" + shipped.Stations[static_cast<std::size_t>(station)].Name + "»"; };
    EXPECT_NE(lines[5].find(Utf8("фабрика поддержки 2: " + name(shipped.Stations[59].Supports[1])) + " \xE2\x86\x92 " +
                            Utf8(name(3))),
              std::string::npos)
        << lines[5];

    // Every chain whose results differ between the two reports is listed, with the incomes
    // of the reports, largest change first.
    std::map<std::string, std::string> before = ByItem(Tool({"report", "--tables", oldPath, "--format", "json"}).Output.Out);
    std::map<std::string, std::string> after = ByItem(Tool({"report", "--tables", newPath, "--format", "json"}).Output.Out);
    ASSERT_EQ(before.size(), 96u);
    std::set<std::string> changed;
    for (const auto& [item, line] : before)
        for (const ResultDescription& result : kChainResults)
            if (JsonField(line, result.Key) != JsonField(after[item], result.Key)) changed.insert(item);
    ToolRun json = Tool({"diff", oldPath, newPath, "--format", "json"});
    ASSERT_EQ(json.ExitCode, kExitProblems);
    std::map<std::string, std::string> listed = ByItem(json.Output.Out);
    EXPECT_EQ(listed.size(), changed.size());
    EXPECT_GE(changed.size(), 2u);
    double previous = INFINITY;
    for (const std::string& line : Lines(json.Output.Out)) {
        if (line.find("\"old_chain_income\"") == std::string::npos) continue;
        std::string item = JsonField(line, "item");
        EXPECT_TRUE(changed.count(item)) << line;
        std::string oldIncome = JsonField(line, "old_chain_income"), newIncome = JsonField(line, "new_chain_income");
        EXPECT_EQ(oldIncome, JsonField(before[item], "chain_income"));
        EXPECT_EQ(newIncome, JsonField(after[item], "chain_income"));
        double difference = std::stod(JsonField(line, "difference").substr(1));
        EXPECT_EQ(difference, std::stod(newIncome.substr(1)) - std::stod(oldIncome.substr(1))) << line;
        EXPECT_LE(std::fabs(difference), previous);
        previous = std::fabs(difference);
    }
}

TEST(KelmChainsDiff, AFolderAgainstItselfListsNothing) {
    const std::string path = Utf8Path(kShipped);
    ToolRun text = Tool({"diff", path, path, "--level", "max"});
    EXPECT_EQ(text.ExitCode, kExitOk);
    EXPECT_EQ(text.Output.Out, Utf8("Было: " + path + ", стало: " + path +
                                    ". Цены ресурсов и продажи: максимальные.\nРазличий нет.\n"));
    ToolRun csv = Tool({"diff", path, path, "--format", "csv"});
    EXPECT_EQ(csv.ExitCode, kExitOk);
    EXPECT_EQ(Lines(csv.Output.Out).size(), 1u);
    ToolRun json = Tool({"diff", path, path, "--format", "json"});
    EXPECT_EQ(json.ExitCode, kExitOk);
    for (const char* empty : {"\"wares\": []", "\"stations\": []", "\"chains\": []"})
        EXPECT_NE(json.Output.Out.find(empty), std::string::npos) << empty;
}

using KelmChainsDiffExample = ToolTest;

TEST_F(KelmChainsDiffExample, RecordsAddedAndChainsThatBecameIncompleteComeFirst) {
    std::string oldPath = Write("old");
    tables.Wares.push_back("Новинка;1;2;3;1;00:01:00");
    tables.Stations[50] = "Завод;0;3;4;1;3;5;2;1;0;0;500;2";  // item 25 loses its support 2
    tables.Stations[3] = "Завод;0;3;4;1;3;6;2;1;0;0;1;2";     // item 0 needs one more ore
    std::string newPath = Write("new");
    ToolRun run = Tool({"diff", oldPath, newPath});
    EXPECT_EQ(run.ExitCode, kExitProblems);
    std::vector<std::string> lines = Lines(run.Output.Out);
    ASSERT_EQ(lines.size(), 12u) << run.Output.Out;
    // Every main station has the same name, so they are paired by index, and the output says so.
    EXPECT_EQ(lines[1], Utf8("Названия повторяются, такие записи сопоставлены по номерам: stations.csv «Завод» "
                             "(было 118, стало 118)."));
    EXPECT_EQ(lines[4], Utf8Path(folder.Path() / "new" / "wares.csv") + Utf8(":12: товар № 9 (Новинка) добавлен"));
    EXPECT_NE(lines[6].find(Utf8(": фабрика № 50 (Завод): фабрика поддержки 2: «Плавильня»") + " \xE2\x86\x92 " +
                            Utf8("№ 500 (нет такой записи) (было: ")),
              std::string::npos)
        << lines[6];
    EXPECT_EQ(lines[6].substr(lines[6].rfind(',')), Utf8(", сопоставлено по номеру записи)"));
    EXPECT_EQ(lines[10].rfind("   25  ", 0), 0u) << lines[10];
    EXPECT_NE(lines[10].find(Utf8("100272  неполная цепочка")), std::string::npos) << lines[10];
    EXPECT_EQ(lines[11].rfind("    0  ", 0), 0u) << lines[11];
    EXPECT_EQ(lines[11].substr(lines[11].rfind(' ') + 1), "-2880");  // 20 more a cycle, 144 cycles a day

    ToolRun missing = Tool({"diff", oldPath, Utf8Path(folder.Path() / "nowhere")});
    EXPECT_EQ(missing.ExitCode, kExitUsage);
    EXPECT_EQ(missing.Output.Out, "");
    EXPECT_EQ(missing.Output.Err, "kelm-chains: " + Utf8Path(folder.Path() / "nowhere") + Utf8(": папка не найдена\n"));
}

// Records pair by a name unique in both versions, the rest by index; the pairs come in the
// new order, a removed record where it stood.
TEST(PairByName, AnInsertionOrARemovalIsOneChange) {
    using Names = std::vector<std::string>;
    constexpr std::int32_t no = kNoRecord;
    struct Case {
        const char* what;
        Names before, after;
        std::vector<std::array<std::int32_t, 3>> pairs;  // old, new, 1 when paired by index
    };
    const Case cases[] = {
        {"the same", {"a", "b", "c"}, {"a", "b", "c"}, {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}}},
        {"an insertion", {"a", "b", "c"}, {"a", "x", "b", "c"}, {{0, 0, 0}, {no, 1, 0}, {1, 2, 0}, {2, 3, 0}}},
        {"a removal", {"a", "b", "c"}, {"a", "c"}, {{0, 0, 0}, {1, no, 0}, {2, 1, 0}}},
        {"moved", {"a", "b", "c"}, {"c", "a", "b"}, {{2, 0, 0}, {0, 1, 0}, {1, 2, 0}}},
        {"renamed in place", {"a", "b", "c"}, {"a", "B", "c"}, {{0, 0, 0}, {1, 1, 1}, {2, 2, 0}}},
        {"shared names", {"a", "d", "d"}, {"d", "a", "d"}, {{no, 0, 0}, {0, 1, 0}, {1, no, 0}, {2, 2, 1}}},
        {"empty names", {"", ""}, {"", "", ""}, {{0, 0, 1}, {1, 1, 1}, {no, 2, 0}}},
    };
    for (const Case& c : cases) {
        std::vector<std::array<std::int32_t, 3>> pairs;
        for (const IndexPair& pair : PairByName(c.before, c.after)) pairs.push_back({pair.Old, pair.New, pair.ByIndex});
        EXPECT_EQ(pairs, c.pairs) << c.what;
    }
}

// A station inserted in the middle, with the references to the stations after it
// renumbered, is one insertion: references read as the names they point at.
TEST_F(KelmChainsDiffExample, RenumberedReferencesAreNoChange) {
    for (std::size_t s = 3; s < tables.Stations.size(); ++s)
        tables.Stations[s] = "Завод " + std::to_string(s) + ";0;3;4;1;3;5;2;1;0;0;1;2";
    std::string oldPath = Write("old");
    tables.Stations.insert(tables.Stations.begin() + 1, "Новый цех;1;1;6;0;0;2;0;0;0;0;0;0");
    for (std::size_t s = 4; s < tables.Stations.size(); ++s)
        tables.Stations[s] = "Завод " + std::to_string(s - 1) + ";0;3;4;1;3;5;2;1;0;0;2;3";
    std::string newPath = Write("new");
    ToolRun run = Tool({"diff", oldPath, newPath});
    EXPECT_EQ(run.ExitCode, kExitProblems);
    std::vector<std::string> lines = Lines(run.Output.Out);
    ASSERT_GE(lines.size(), 5u) << run.Output.Out;
    EXPECT_EQ(lines[2], Utf8("Изменения таблиц: 1")) << run.Output.Out;
    EXPECT_EQ(lines[3],
              Utf8Path(folder.Path() / "new" / "stations.csv") + Utf8(":4: фабрика № 1 (Новый цех) добавлена"));
    // Every item of the list now names the station before it; chains are paired by name, so
    // only those that came into the list (the support at its start, the station before its
    // gap) and those that left it (the station before the gap, the last one) are listed.
    EXPECT_EQ(lines[5], Utf8("Пункты списка, под которыми теперь другая фабрика: 96"));
    EXPECT_EQ(lines[6], Utf8("пункт 0: «Завод 3»") + " \xE2\x86\x92 " + Utf8("«Нефтебаза»"));
    ToolRun json = Tool({"diff", oldPath, newPath, "--format", "json"});
    std::vector<std::string> chains;
    for (const std::string& line : Lines(json.Output.Out))
        if (line.find("\"old_chain_income\"") != std::string::npos)
            chains.push_back(JsonField(line, "old_item") + " " + JsonField(line, "new_item") + " " +
                             JsonField(line, "change"));
    EXPECT_EQ(chains, (std::vector<std::string>{"null 0 \"added\"", "null 21 \"added\"", "20 null \"removed\"",
                                                "95 null \"removed\""}))
        << json.Output.Out;
}

TEST(CsvWriter, TextThatAFormulaWouldStartIsKeptAsText) {
    for (const char* text : {"=1+2*3", "+7", "-2+3", "@SUM(A1)", "\tTab", "\rCR"}) {
        CsvWriter csv;
        csv.Text(text).Value(text).EndRow();
        std::string quoted = std::string("\"'") + text + "\"";
        EXPECT_EQ(csv.Result(), quoted + ";" + quoted + "\n") << text;
    }
    CsvWriter csv;
    csv.Value("-2500").Value("12.25").Number(-7).Text("a;b").Text("a \"b\"").EndRow();
    EXPECT_EQ(csv.Result(), "-2500;12.25;-7;\"a;b\";\"a \"\"b\"\"\"\n");
}

TEST_F(KelmChainsDiffExample, EveryCsvKeepsNamesThatLookLikeFormulasAsText) {
    tables.Stations[0] = "=HYPERLINK(\"x\");1;2;5;2;0;10;1;0;0;0;0;0";  // support 1 of every chain
    tables.Stations[3] = "=1+2*3;0;3;4;1;3;5;2;1;0;0;1;2";
    tables.Stations[4] = "+7;0;3;4;1;3;500;2;1;0;0;1;2";  // and it loses
    tables.Stations[5] = "-2+3;0;3;4;1;3;5;2;1;0;0;1;2";
    tables.Stations[6] = "@SUM(A1);0;3;4;1;3;5;2;1;0;0;1;2";
    std::string oldPath = Write("old");
    tables.Stations[7] = "=cmd|' /C calc'!A0;0;3;4;1;3;5;2;1;0;0;1;2";
    std::string newPath = Write("new");
    const std::vector<std::string> guarded = {"\"'=1+2*3\"", "\"'+7\"", "\"'-2+3\"", "\"'@SUM(A1)\""};

    std::vector<std::string> report = Lines(Tool({"report", "--tables", oldPath, "--format", "csv"}).Output.Out);
    std::vector<std::string> levels = Lines(Tool({"levels", "--tables", oldPath, "--format", "csv"}).Output.Out);
    ASSERT_EQ(report.size(), 97u);
    ASSERT_EQ(levels.size(), 97u);
    for (std::size_t k = 0; k < guarded.size(); ++k) {
        EXPECT_EQ(report[k + 1].rfind(std::to_string(k) + ";" + std::to_string(k + 3) + ";" + guarded[k] +
                                          ";\"'=HYPERLINK(\"\"x\"\")\";", 0),
                  0u)
            << report[k + 1];
        EXPECT_EQ(levels[k + 1].rfind(std::to_string(k) + ";" + std::to_string(k + 3) + ";" + guarded[k] + ";", 0), 0u)
            << levels[k + 1];
    }
    EXPECT_NE(report[2].find(";-"), std::string::npos) << "a loss stays a number";

    ToolRun diff = Tool({"diff", oldPath, newPath, "--format", "csv"});
    ASSERT_EQ(diff.ExitCode, kExitProblems);
    std::vector<std::string> lines = Lines(diff.Output.Out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("stations;7;7;\"'=cmd|' /C calc'!A0\";changed;name;" + Utf8("Завод") +
                                 ";\"'=cmd|' /C calc'!A0\";;",
                             0),
              0u)
        << lines[1];
}

}  // namespace
