#include "kelm_chains.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/temp_folder.h"
#include "data/table_loader.h"
#include "toolkit/cp1251.h"

namespace {

// The example chain of the cost calculation as table files: stations 0 to 2 are the
// support factories, every station of the list from 3 to 120 is the main factory.
struct ExampleTables {
    std::vector<std::string> Wares = {
        "Товар;80;100;120;10;00:10:00", "Деталь;10;12;14;4;00:20:00", "Сплав;2;3;5;5;00:05:00",
        "Топливо;60;70;80;2;00:15:00",  "Руда;15;20;25;1;00:01:00",   "Уголь;2;3;4;1;00:01:00",
        "Вода;8;10;12;1;00:01:00",      "Газ;20;25;30;1;00:01:00",    "Люкс;150;200;250;10;00:10:00",
    };
    std::vector<std::string> Stations = {
        "Цех деталей;1;2;5;2;0;10;1;0;0;0;0;0",
        "Плавильня;2;1;6;0;0;2;0;0;0;0;0;0",
        "Нефтебаза;3;1;7;0;0;4;0;0;0;0;0;0",
    };
    static constexpr const char* kMainStation = "Завод;0;3;4;1;3;5;2;1;0;0;1;2";

    ExampleTables() { Stations.resize(121, kMainStation); }

    static std::string FileText(const std::vector<std::string>& records) {
        std::string text = "// example\r\n" + std::to_string(records.size()) + "\r\n";
        for (const std::string& record : records) text += record + "\r\n";
        return text;
    }
};

// File line of a station record: after the comment and the count line.
int StationLine(int station) { return station + 3; }

struct ToolRun {
    int ExitCode;
    ToolOutput Output;
};

ToolRun Tool(std::vector<std::string> args) {
    ToolRun run;
    run.ExitCode = RunKelmChains(args, run.Output);
    return run;
}

std::string Utf8(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::size_t CodePoints(const std::string& utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

struct KelmChains : testing::Test {
    TempFolder folder;
    ExampleTables tables;

    std::string Write() {
        folder.Write("wares.csv", ExampleTables::FileText(tables.Wares));
        folder.Write("stations.csv", ExampleTables::FileText(tables.Stations));
        return folder.Path();
    }
};

TEST_F(KelmChains, CheckFindsNothingWrongInTheExample) {
    ToolRun run = Tool({"check", "--tables", Write()});
    EXPECT_EQ(run.ExitCode, kExitOk);
    EXPECT_EQ(run.Output.Out, Utf8("Ошибок нет. Фабрик с полными цепочками: 96 из 96.\n"));
    EXPECT_EQ(run.Output.Err, "");
}

TEST_F(KelmChains, JsonReportHasTheWindowsResultsForEveryFactory) {
    ToolRun run = Tool({"report", "--tables=" + Write(), "--format", "json"});
    ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
    std::vector<std::string> lines = Lines(run.Output.Out);
    ASSERT_EQ(lines.size(), 98u);
    EXPECT_EQ(lines.front(), "[");
    EXPECT_EQ(lines[1], Utf8("  {\"item\": 0, \"station\": 3, \"name\": \"Завод\", \"supports\": [\"Цех деталей\", "
                             "\"Плавильня\", \"Нефтебаза\"], \"main_cost\": \"180\", \"support1_cost\": \"17\", "
                             "\"support2_cost\": \"40\", \"support3_cost\": \"66\", \"total_cost\": \"303\", "
                             "\"main_income\": \"118080\", \"chain_income\": \"100272\", \"sale_prices\": [\"100\", "
                             "\"10\", \"4\", \"60\"]},"));
    EXPECT_EQ(lines[96].rfind("  {\"item\": 95, \"station\": 120, ", 0), 0u);
    EXPECT_EQ(lines[96].back(), '}');
    EXPECT_EQ(lines.back(), "]");
}

TEST_F(KelmChains, CsvReportAtEachPriceLevel) {
    struct Case {
        const char* level;
        std::string results;  // the seven results, then the four sale prices
    };
    for (const Case& c : {Case{"min", "155;11;32;53;251;92880;78936;80;10;3;60"},
                          Case{"avg", "180;17;40;66;303;118080;100272;100;10;4;60"},
                          Case{"max", "207;22;48;80;357;142992;121392;120;11;4;60"}}) {
        ToolRun run = Tool({"report", "--tables", Write(), "--format", "csv", "--level", c.level});
        ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
        std::vector<std::string> lines = Lines(run.Output.Out);
        ASSERT_EQ(lines.size(), 97u);
        EXPECT_EQ(lines[0],
                  "item;station;name;support1;support2;support3;main_cost;support1_cost;support2_cost;support3_cost;"
                  "total_cost;main_income;chain_income;main_sale_price;support1_sale_price;support2_sale_price;"
                  "support3_sale_price");
        EXPECT_EQ(lines[2], Utf8("1;4;Завод;Цех деталей;Плавильня;Нефтебаза;" + c.results)) << c.level;
    }
}

TEST_F(KelmChains, TextReportIsAligned) {
    ToolRun run = Tool({"report", "--tables", Write()});
    ASSERT_EQ(run.ExitCode, kExitOk);
    std::vector<std::string> lines = Lines(run.Output.Out);
    ASSERT_EQ(lines.size(), 97u);
    EXPECT_EQ(lines[0].find(Utf8("Пункт  Фабрика  Затраты: главная  фабрика 1")), 0u);
    // Numbers are right-aligned under their headers, so every line is as wide as the header.
    for (const std::string& line : lines) EXPECT_EQ(CodePoints(line), CodePoints(lines[0])) << line;
    EXPECT_EQ(lines[1].find(Utf8("    0  Завод  ")), 0u);
    EXPECT_NE(lines[1].find("180         17         40         66    303"), std::string::npos);
    EXPECT_EQ(lines[1].substr(lines[1].size() - 6), "100272");
}

TEST_F(KelmChains, SortByIncomePutsTheBestChainFirstAndKeepsListOrderOtherwise) {
    tables.Stations[50] = "Фабрика люкса;8;3;4;1;3;5;2;1;0;0;1;2";  // item 25, sold at 200
    tables.Stations[3] = "Убыточный завод;0;3;4;1;3;500;2;1;0;0;1;2";
    ToolRun run = Tool({"report", "--tables", Write(), "--format", "csv", "--sort", "income"});
    ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
    std::vector<std::string> lines = Lines(run.Output.Out);
    ASSERT_EQ(lines.size(), 97u);
    EXPECT_EQ(lines[1].substr(0, 5), "25;50");
    EXPECT_NE(lines[1].find(";244272;"), std::string::npos);
    EXPECT_EQ(lines[2].substr(0, 4), "1;4;");
    EXPECT_EQ(lines[95].substr(0, 5), "95;12");
    EXPECT_EQ(lines[96].substr(0, 4), "0;3;");
}

TEST_F(KelmChains, ABrokenChainIsReportedByCheckAndLeftOutOfTheReport) {
    tables.Stations[50] = "Завод;0;3;4;1;3;5;2;1;0;0;500;2";  // item 25: support 2 does not exist
    std::string path = Write();
    ToolRun check = Tool({"check", "--tables", path});
    EXPECT_EQ(check.ExitCode, kExitProblems);
    std::vector<std::string> lines = Lines(check.Output.Out);
    ASSERT_EQ(lines.size(), 2u) << check.Output.Out;
    std::string where = TablePath(path, kStationsFile) + ":" + std::to_string(StationLine(50)) + ": ";
    EXPECT_EQ(lines[0].find(where), 0u) << lines[0];
    EXPECT_NE(lines[0].find(Utf8("нет фабрики № 500")), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], Utf8("Ошибок: 1. Фабрик с полными цепочками: 95 из 96."));

    ToolRun report = Tool({"report", "--tables", path, "--format", "json"});
    EXPECT_EQ(report.ExitCode, kExitOk);
    EXPECT_EQ(Lines(report.Output.Out).size(), 97u);
    EXPECT_EQ(report.Output.Out.find("\"item\": 25,"), std::string::npos);
    EXPECT_NE(report.Output.Out.find("\"item\": 26,"), std::string::npos);
    EXPECT_EQ(report.Output.Err,
              Utf8("kelm-chains: фабрик с неполными цепочками: 1, их нет в отчете; подробности: kelm-chains check\n"));
}

TEST_F(KelmChains, MissingFolderAndMissingFile) {
    std::string nowhere = TablePath(folder.Path(), "nowhere");
    ToolRun check = Tool({"check", "--tables", nowhere});
    EXPECT_EQ(check.ExitCode, kExitProblems);
    EXPECT_EQ(check.Output.Out,
              nowhere + Utf8(": папка не найдена\nОшибок: 1. Фабрик с полными цепочками: 0 из 96.\n"));
    ToolRun report = Tool({"report", "--tables", nowhere});
    EXPECT_EQ(report.ExitCode, kExitProblems);
    EXPECT_EQ(report.Output.Out, "");
    EXPECT_EQ(report.Output.Err, "kelm-chains: " + nowhere + Utf8(": папка не найдена\n"));

    folder.Write("stations.csv", ExampleTables::FileText(tables.Stations));
    check = Tool({"check", "--tables", folder.Path()});
    EXPECT_EQ(check.ExitCode, kExitProblems);
    std::string wares = TablePath(folder.Path(), kWaresFile);
    EXPECT_EQ(Lines(check.Output.Out)[0], wares + Utf8(": файл не найден или не читается"));
    report = Tool({"report", "--tables", folder.Path()});
    EXPECT_EQ(report.ExitCode, kExitProblems);
    EXPECT_EQ(report.Output.Err,
              "kelm-chains: " + wares + Utf8(": файл не найден или не читается\n"));
}

TEST(KelmChainsUsage, BadCommandLinesExitWithTwoAndSayWhy) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{}, "не указана команда: check или report"},
        {{"rank"}, "неизвестная команда «rank»: нужна check или report"},
        {{"check", "--level", "min"}, "неизвестный параметр «--level» команды check"},
        {{"report", "--colour"}, "неизвестный параметр «--colour» команды report"},
        {{"report", "--level", "mid"}, "неверное значение «mid» для --level: можно min, avg или max"},
        {{"report", "--format=xml"}, "неверное значение «xml» для --format: можно text, csv или json"},
        {{"report", "--sort", "name"}, "неверное значение «name» для --sort: можно list или income"},
        {{"report", "--format"}, "после --format нужно значение"},
        {{"check", "--tables="}, "после --tables нужна папка"},
    };
    for (const Case& c : cases) {
        ToolRun run = Tool(c.args);
        EXPECT_EQ(run.ExitCode, kExitUsage);
        EXPECT_EQ(run.Output.Out, "");
        EXPECT_EQ(run.Output.Err, Utf8("kelm-chains: " + c.message + "\nСправка: kelm-chains --help\n"));
    }
}

TEST(KelmChainsUsage, HelpAndVersion) {
    for (std::vector<std::string> args : {std::vector<std::string>{"--help"}, {"-h"}, {"report", "--help"}}) {
        ToolRun run = Tool(args);
        EXPECT_EQ(run.ExitCode, kExitOk);
        EXPECT_NE(run.Output.Out.find("kelm-chains report [--tables "), std::string::npos);
        EXPECT_NE(run.Output.Out.find(Utf8("ПАПКА содержит wares.csv и stations.csv")), std::string::npos);
    }
    ToolRun version = Tool({"--version"});
    EXPECT_EQ(version.ExitCode, kExitOk);
    EXPECT_EQ(version.Output.Out.rfind("kelm-chains 1.", 0), 0u);
}

}  // namespace
