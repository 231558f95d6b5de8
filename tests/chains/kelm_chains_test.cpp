#include "kelm_chains.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chains/example_tables.h"
#include "data/factory_list.h"
#include "output_text.h"

namespace {

// File line of a station record: after the comment and the count line.
int StationLine(int station) { return station + 3; }

std::size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

std::size_t CodePoints(const std::string& utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

using namespace example;
using KelmChains = ToolTest;

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
    // The page groups thousands with a narrow no-break space; the sort key keeps the digits.
    ToolRun page = Tool({"report", "--tables", Write(), "--format", "html"});
    EXPECT_NE(page.Output.Out.find("data-v=\"118080\">118\xE2\x80\xAF" "080</td>"), std::string::npos);
    EXPECT_NE(page.Output.Out.find(Utf8("<p class=\"tables\">Таблицы: папка ")), std::string::npos);
    EXPECT_NE(page.Output.Out.find(Utf8("; wares.csv изменен ")), std::string::npos);
    EXPECT_NE(page.Output.Out.find(Utf8(", stations.csv изменен ")), std::string::npos);
}

// A console narrower than the rows gets the names cut, down to a shortest width; a file or a
// pipe gets them whole.
TEST_F(KelmChains, NamesGiveWayToANarrowConsole) {
    const std::string longName = "Станкостроительный завод «Каменск» имени первой пятилетки";
    tables.Stations[3] = longName + ";0;3;4;1;3;5;2;1;0;0;1;2";
    std::string path = Write();
    std::size_t whole = 0;
    for (const std::string& line : Lines(Tool({"report", "--tables", path}).Output.Out))
        whole = std::max(whole, CodePoints(line));
    const std::size_t roomy = whole + 1, fitting = whole - 10, narrow = 40;
    struct Case {
        const char* command;
        std::size_t columns;
        std::size_t nameWidth;  // how much of the name shows
    };
    const Case cases[] = {
        {"report", 0, longName.size()},
        {"report", roomy, longName.size()},
        {"report", fitting + 1, longName.size() - 10},  // a line may not take the last column
        {"report", narrow, kShortestCut},               // the rows still do not fit and wrap
        {"levels", narrow, kShortestCut},
    };
    for (const Case& c : cases) {
        ToolRun run = Tool({c.command, "--tables", path}, c.columns);
        ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
        std::vector<std::string> lines = Lines(run.Output.Out);
        std::string name = c.nameWidth == longName.size() ? longName : longName.substr(0, c.nameWidth - 1) + "…";
        std::string row = lines[lines.size() - 96];
        EXPECT_EQ(row.substr(7, Utf8(name).size()), Utf8(name)) << c.command << " " << c.columns << " " << row;
        std::size_t widest = 0;
        for (const std::string& line : lines) widest = std::max(widest, CodePoints(line));
        if (c.command == std::string("report")) {
            EXPECT_EQ(widest, whole - (longName.size() - c.nameWidth));
        }
    }
    ToolRun file = Tool({"report", "--tables", path, "--output", Utf8Path(folder.Path() / "r.txt")}, narrow);
    EXPECT_NE(ReadBytes(folder.Path() / "r.txt").find(Utf8(longName)), std::string::npos);
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
    std::string where = Utf8Path(folder.Path() / "stations.csv") + ":" + std::to_string(StationLine(50)) + ": ";
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

    ToolRun explain = Tool({"explain", "25", "--tables", path});
    EXPECT_EQ(explain.ExitCode, kExitProblems);
    EXPECT_EQ(explain.Output.Out, "");
    EXPECT_EQ(explain.Output.Err, Utf8("kelm-chains: у пункта 25 неполная цепочка; подробности: kelm-chains check\n"));
}

TEST_F(KelmChains, ExplainShowsTheWorkedExampleStepByStep) {
    std::string path = Write();
    ToolRun json = Tool({"explain", "0", "--tables", path, "--format", "json"});
    ASSERT_EQ(json.ExitCode, kExitOk) << json.Output.Err;
    // In the order of the calculation: support 2 feeds support 1, supports 1 and 3 feed the main factory.
    const char* steps[] = {
        R"("level": "avg")",
        R"("role": "support2")", R"({"ware": "Вода", "quantity": "2", "price": "10", "cost": "20"})",
        R"("cycle_cost": "20", "unit_cost": "4", "minimum_price": "2", "transfer_price": "4", "transfer_rule": "unit_cost", "cost_per_main_cycle": "40")",
        R"("role": "support1")", R"({"ware": "Сплав", "quantity": "1", "price": "4", "cost": "4"})",
        R"("cycle_cost": "34", "unit_cost": "8.5", "minimum_price": "10", "transfer_price": "10", "transfer_rule": "minimum_price", "cost_per_main_cycle": "17")",
        R"("role": "support3")",
        R"("cycle_cost": "100", "unit_cost": "50", "minimum_price": "60", "transfer_price": "60", "transfer_rule": "minimum_price", "cost_per_main_cycle": "66.6666666666667")",
        R"("role": "main")", R"("sale_price": "100")", R"({"ware": "Деталь", "quantity": "2", "price": "10", "cost": "20"})",
        R"("cycle_cost": "180"})",
        R"("total_cost_unrounded": "303.666666666667")", R"("revenue": "1000")", R"("main_income_per_cycle": "820")",
        R"("chain_income_per_cycle": "696.333333333333")", R"("day_factor": "144")", R"("main_cost": "180")",
        R"("support1_cost": "17")", R"("support2_cost": "40")", R"("support3_cost": "66")", R"("total_cost": "303")",
        R"("main_income": "118080")", R"("chain_income": "100272")",
    };
    std::size_t at = 0;
    for (const char* step : steps) {
        at = json.Output.Out.find(Utf8(step), at);
        ASSERT_NE(at, std::string::npos) << step << "\n" << json.Output.Out;
    }

    ToolRun text = Tool({"explain", "0", "--tables", path, "--level", "max"});
    ASSERT_EQ(text.ExitCode, kExitOk) << text.Output.Err;
    EXPECT_NE(text.Output.Out.find(Utf8("Цены ресурсов: максимальные, цена продажи продукта: максимальная.")),
              std::string::npos);
    EXPECT_NE(text.Output.Out.find(Utf8("  Себестоимость единицы:            44 / 4 = 11\n")), std::string::npos)
        << text.Output.Out;
    std::vector<std::string> lines = Lines(text.Output.Out);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines.back(), Utf8("  Доход цепочки за сутки:                      121392"));
}

// The example chain's income per day worked out apart from the tool: resources at level
// `level` (0 minimum, 1 average, 2 maximum, prices as in the example wares), the main
// product sold at `sale`.
double ExampleChainIncome(int level, double sale) {
    const double water[] = {8, 10, 12}, coal[] = {2, 3, 4}, gas[] = {20, 25, 30}, ore[] = {15, 20, 25};
    double c2 = 2 * water[level], t2 = std::max(2.0, c2 / 5);
    double c1 = 10 * coal[level] + std::trunc(t2), t1 = std::max(10.0, c1 / 4);
    double c3 = 4 * gas[level], t3 = std::max(60.0, c3 / 2);
    double cM = 5 * ore[level] + 2 * std::trunc(t1) + std::trunc(t3);
    double perCycle = sale * 10 - cM - 600 * c1 / 1200 - 600 * c2 / 300 - 600 * c3 / 900;
    return std::trunc(86400.0 / 600 * perCycle);
}

// explain and levels take a factory by its item or its name, whole or in part.
TEST_F(KelmChains, AFactoryIsFoundByItsNameOrAPartThatFitsItAlone) {
    tables.Stations[3] = "Котельный завод «Белозёрск»";
    tables.Stations[4] = "Котельный завод «Кедровый»";
    tables.Stations[5] = "Лесопилка";
    for (int s = 3; s <= 5; ++s) tables.Stations[static_cast<std::size_t>(s)] += ";0;3;4;1;3;5;2;1;0;0;1;2";
    std::string path = Write();
    struct Case {
        const char* operand;
        int exitCode;
        const char* found;  // the start of the line that names the factory on standard output
        std::vector<const char*> told;  // lines on standard error
    };
    const Case cases[] = {
        {"2", kExitOk, "    2  Лесопилка", {}},
        {"котельный завод «белозерск»", kExitOk, "    0  Котельный завод «Белозёрск»", {}},
        {"кедров", kExitOk, "    1  Котельный завод «Кедровый»", {}},
        {"Лесопилка", kExitOk, "    2  Лесопилка", {}},
        {"котельный", kExitUsage, nullptr,
         {"kelm-chains: «котельный» подходит к нескольким фабрикам списка; укажите номер пункта или название точнее:",
          "    0  Котельный завод «Белозёрск»", "    1  Котельный завод «Кедровый»"}},
        {"Завод", kExitUsage, nullptr,
         {"kelm-chains: «Завод» подходит к нескольким фабрикам списка; укажите номер пункта или название точнее:",
          "    3  Завод", "    4  Завод", "    5  Завод", "    6  Завод", "    7  Завод", "    8  Завод", "    9  Завод",
          "   10  Завод", "   11  Завод", "   12  Завод", "       и еще 83"}},
        {"Лесапилко", kExitUsage, nullptr,
         {"kelm-chains: в списке фабрик нет «Лесапилко»; может быть, одна из этих:", "    2  Лесопилка"}},
        {"Сталь", kExitUsage, nullptr,
         {"kelm-chains: в списке фабрик нет «Сталь»; номера и названия фабрик показывает kelm-chains report"}},
    };
    for (const Case& c : cases) {
        ToolRun levels = Tool({"levels", Utf8(c.operand), "--tables", path});
        EXPECT_EQ(levels.ExitCode, c.exitCode) << c.operand;
        std::vector<std::string> told;
        for (const char* line : c.told) told.push_back(Utf8(line));
        EXPECT_EQ(Lines(levels.Output.Err), told) << c.operand;
        if (!c.found) continue;
        std::vector<std::string> lines = Lines(levels.Output.Out);
        EXPECT_EQ(lines.back().rfind(Utf8(c.found), 0), 0u) << lines.back();
        ToolRun explain = Tool({"explain", Utf8(c.operand), "--tables", path, "--format", "json"});
        EXPECT_EQ(JsonField(explain.Output.Out, "item"), std::string(c.found).substr(4, 1)) << c.operand;
    }
}

TEST_F(KelmChains, LevelsAndBreakEvenAgreeWithArithmeticByHand) {
    tables.Stations[50] = "Фабрика люкса;8;3;4;1;3;5;2;1;0;0;1;2";  // item 25, same costs, sold at 150/200/250
    // Item 1: support 2 uses so much water that no sale price within 32 bits pays for it.
    tables.Stations[4] = "Убыточный завод;0;3;4;1;3;5;2;1;0;0;121;2";
    tables.Stations.push_back("Большая плавильня;2;1;6;0;0;200000000;0;0;0;0;0;0");
    std::string path = Write();
    ToolRun json = Tool({"levels", "--tables", path, "--format", "json"});
    ASSERT_EQ(json.ExitCode, kExitOk) << json.Output.Err;
    std::vector<std::string> lines = Lines(json.Output.Out);
    ASSERT_EQ(lines.size(), 98u);

    const char* keys[] = {"min", "avg", "max"};
    struct Case {
        int item;
        double salePrices[3];
    };
    for (Case c : {Case{0, {80, 100, 120}}, Case{25, {150, 200, 250}}}) {
        const std::string& line = lines[static_cast<std::size_t>(c.item) + 1];
        for (int r = 0; r < 3; ++r)
            for (int s = 0; s < 3; ++s) {
                std::string key = std::string(keys[r]) + "/" + keys[s];
                double income = ExampleChainIncome(r, c.salePrices[s]);
                EXPECT_EQ(JsonField(line, key), "\"" + std::to_string(static_cast<long long>(income)) + "\"")
                    << c.item << " " << key;
            }
        int breakEven = 0;
        while (ExampleChainIncome(1, breakEven) < 0) ++breakEven;
        EXPECT_EQ(JsonField(line, "break_even_sale_price"), std::to_string(breakEven)) << c.item;
    }
    EXPECT_EQ(JsonField(lines[2], "item"), "1");
    EXPECT_EQ(JsonField(lines[2], "break_even_sale_price"), "null");
    EXPECT_EQ(JsonField(lines[2], "avg/max").substr(0, 2), "\"-");
    EXPECT_EQ(JsonField(lines[2], "max/max"), Utf8("\"переполнение\""));  // 12 × 200000000 leaves 32 bits

    ToolRun text = Tool({"levels", "--tables", path});
    ASSERT_EQ(text.ExitCode, kExitOk);
    lines = Lines(text.Output.Out);
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[4].find(Utf8("Пункт  Фабрика")), 0u);
    EXPECT_EQ(lines[6].find(Utf8("    1  Убыточный завод")), 0u);
    EXPECT_EQ(lines[6].substr(lines[6].rfind(' ')), Utf8(" нет"));

    ToolRun csv = Tool({"levels", "--tables", path, "--format", "csv", "--sort", "income"});
    ASSERT_EQ(csv.ExitCode, kExitOk);
    lines = Lines(csv.Output.Out);
    ASSERT_EQ(lines.size(), 97u);
    EXPECT_EQ(lines[0], "item;station;name;min/min;min/avg;min/max;avg/min;avg/avg;avg/max;max/min;max/avg;max/max;"
                        "break_even_sale_price");
    EXPECT_EQ(lines[1].substr(0, 5), "25;50");
    EXPECT_EQ(lines[96].substr(0, 4), "1;4;");
    EXPECT_EQ(lines[96].back(), ';');  // no break-even price
}

// Over the shipped tables: whatever explain shows on the way, it ends where report does.
TEST(KelmChainsShipped, ExplainEndsWithTheReportsResultsForEveryChainAtEveryLevel) {
    const std::string tables = std::string(KELM_SOURCE_DIR) + "/tables";
    for (const char* level : {"min", "avg", "max"}) {
        ToolRun report = Tool({"report", "--tables", tables, "--level", level, "--format", "json"});
        ASSERT_EQ(report.ExitCode, kExitOk) << report.Output.Err;
        std::vector<std::string> rows = Lines(report.Output.Out);
        ASSERT_EQ(rows.size(), 98u);
        for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
            std::string item = JsonField(rows[i], "item");
            ToolRun json = Tool({"explain", item, "--tables", tables, "--level", level, "--format", "json"});
            ToolRun text = Tool({"explain", item, "--tables", tables, "--level", level});
            ASSERT_EQ(json.ExitCode, kExitOk) << json.Output.Err;
            ASSERT_EQ(text.ExitCode, kExitOk) << text.Output.Err;
            std::vector<std::string> lines = Lines(text.Output.Out);
            ASSERT_GE(lines.size(), 7u);
            for (std::size_t k = 0; k < kChainResultCount; ++k) {
                const char* key = kChainResults[k].Key;
                std::string quoted = JsonField(rows[i], key);
                EXPECT_EQ(JsonField(json.Output.Out, key), quoted) << level << " item " << item << " " << key;
                const std::string& line = lines[lines.size() - 7 + k];
                EXPECT_EQ(line.substr(line.rfind(' ') + 1), quoted.substr(1, quoted.size() - 2))
                    << level << " item " << item << " " << key;
            }
        }
    }
}

TEST_F(KelmChains, AnOddChainIsAWarningAndIsReportedAsCalculated) {
    // Item 25: support 2 makes fuel, where support 1 needs an alloy.
    tables.Stations[50] = "Завод;0;3;4;1;3;5;2;1;0;0;2;2";
    std::string path = Write();
    ToolRun check = Tool({"check", "--tables", path});
    EXPECT_EQ(check.ExitCode, kExitOk);
    EXPECT_EQ(check.Output.Out,
              Utf8Path(folder.Path() / "stations.csv") + ":" + std::to_string(StationLine(50)) +
                  Utf8(": предупреждение: ресурс 2 фабрики поддержки 1 (товар № 2 «Сплав») должна производить "
                       "фабрика поддержки 2 (№ 2 «Нефтебаза»), а она производит товар № 3 «Топливо»\n"
                       "Ошибок нет. Предупреждений: 1. Фабрик с полными цепочками: 96 из 96.\n"));

    ToolRun report = Tool({"report", "--tables", path, "--format", "csv"});
    EXPECT_EQ(report.ExitCode, kExitOk);
    EXPECT_EQ(report.Output.Err, "");
    std::vector<std::string> lines = Lines(report.Output.Out);
    ASSERT_EQ(lines.size(), 97u);
    // Fuel at 60 goes into the alloy row: support 1 costs 10 x 3 + 1 x 60 a cycle.
    EXPECT_EQ(lines[26],
              Utf8("25;50;Завод;Цех деталей;Нефтебаза;Нефтебаза;204;45;66;66;382;114624;88944;100;22;60;60"));
}

TEST_F(KelmChains, EveryReportGoesIntoAFileWhateverLettersItsPathHas) {
    const std::filesystem::path inside = u8"Zoë 测试";
    std::string tablesFolder = Write(inside);
    const std::filesystem::path file = folder.Path() / inside / u8"отчёт";
    // The second report into the same file replaces the first. Excel and old Notepads take a
    // file for UTF-8 only with the mark; the terminal gets none, nor do JSON and HTML, whose
    // readers need none. Every file has Windows line ends.
    struct Case {
        std::vector<std::string> args;
        bool marked;
    };
    const Case cases[] = {{{"report", "--format", "csv"}, true},   {{"report", "--format", "html"}, false},
                          {{"levels", "--format", "csv"}, true},   {{"explain", "3"}, true},
                          {{"report", "--format", "json"}, false}, {{"levels", "3"}, true}};
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--tables", tablesFolder});
        ToolRun shown = Tool(args);
        args.insert(args.end(), {"--output", Utf8Path(file)});
        ToolRun written = Tool(args);
        ASSERT_EQ(written.ExitCode, kExitOk) << written.Output.Err;
        EXPECT_EQ(written.Output.Out, "");
        std::string lines;
        for (char c : shown.Output.Out) lines += c == '\n' ? "\r\n" : std::string(1, c);
        EXPECT_EQ(ReadBytes(file), (c.marked ? "\xEF\xBB\xBF" : "") + lines) << args[0] << " " << args[1];
    }
    EXPECT_EQ(FilesIn(folder.Path() / inside), 3u);  // the tables and the report, nothing left over
}

TEST_F(KelmChains, AReportFileThatCannotBeWrittenIsToldAndLeavesNothing) {
    std::string tablesFolder = Write();
    std::filesystem::create_directory(folder.Path() / "taken");
    struct Case {
        std::filesystem::path target;
        const char* why;
    };
    const Case cases[] = {
        {folder.Path() / "missing" / "r.csv", "в этой папке не удалось создать файл (папки нет или нет прав на запись)"},
        {folder.Path() / "taken", "его нельзя заменить (он открыт в другой программе, только для чтения или это папка)"},
    };
    for (const Case& c : cases) {
        ToolRun run = Tool({"report", "--tables", tablesFolder, "--output", Utf8Path(c.target)});
        EXPECT_EQ(run.ExitCode, kExitNotWritten);
        EXPECT_EQ(run.Output.Out, "");
        EXPECT_EQ(run.Output.Err,
                  "kelm-chains: " + Utf8Path(c.target) + Utf8(": отчет не записан: ") + Utf8(c.why) + "\n");
        EXPECT_EQ(FilesIn(folder.Path()), 3u);  // the tables and the folder "taken"
        EXPECT_EQ(FilesIn(folder.Path() / "taken"), 0u);
    }
}

TEST_F(KelmChains, MissingFolderAndMissingFile) {
    std::string nowhere = Utf8Path(folder.Path() / "nowhere");
    ToolRun check = Tool({"check", "--tables", nowhere});
    EXPECT_EQ(check.ExitCode, kExitProblems);
    EXPECT_EQ(check.Output.Out,
              nowhere + Utf8(": папка не найдена\nОшибок: 1. Фабрик с полными цепочками: 0 из 96.\n"));
    ToolRun report = Tool({"report", "--tables", nowhere});
    EXPECT_EQ(report.ExitCode, kExitProblems);
    EXPECT_EQ(report.Output.Out, "");
    EXPECT_EQ(report.Output.Err, "kelm-chains: " + nowhere + Utf8(": папка не найдена\n"));

    folder.Write("stations.csv", ExampleTables::FileText(tables.Stations));
    check = Tool({"check", "--tables", Utf8Path(folder.Path())});
    EXPECT_EQ(check.ExitCode, kExitProblems);
    std::string wares = Utf8Path(folder.Path() / "wares.csv");
    EXPECT_EQ(Lines(check.Output.Out)[0], wares + Utf8(": файл не найден или не читается"));
    report = Tool({"report", "--tables", Utf8Path(folder.Path())});
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
        {{}, "не указана команда: check, report, explain, levels, prices, diff или page"},
        {{"rank"}, "неизвестная команда «rank»: нужна check, report, explain, levels, prices, diff или page"},
        {{"check", "--level", "min"}, "неизвестный параметр «--level» команды check"},
        {{"report", "--colour"}, "неизвестный параметр «--colour» команды report"},
        {{"report", "--level", "mid"}, "неверное значение «mid» для --level: можно min, avg или max"},
        {{"report", "--format=xml"}, "неверное значение «xml» для --format: можно text, csv, json или html"},
        {{"explain"}, "после explain нужен номер пункта или название фабрики"},
        {{"explain", "--level", "min"}, "после explain нужен номер пункта или название фабрики"},
        {{"levels", ""}, "после levels нужен номер пункта или название фабрики"},
        {{"explain", "96"}, "нет пункта «96»: номера пунктов от 0 до 95"},
        {{"levels", "0096"}, "нет пункта «0096»: номера пунктов от 0 до 95"},
        {{"explain", "1", "2"}, "неизвестный параметр «2» команды explain"},
        {{"explain", "3", "--format", "csv"}, "неверное значение «csv» для --format: можно text или json"},
        {{"explain", "3", "--sort", "income"}, "неизвестный параметр «--sort» команды explain"},
        {{"levels", "--level", "min"}, "неизвестный параметр «--level» команды levels"},
        {{"levels", "--format", "html"}, "неверное значение «html» для --format: можно text, csv или json"},
        {{"report", "--sort", "name"}, "неверное значение «name» для --sort: можно list или income"},
        {{"report", "--format"}, "после --format нужно значение"},
        {{"check", "--tables="}, "после --tables нужна папка"},
        {{"check", "--output", "x.csv"}, "неизвестный параметр «--output» команды check"},
        {{"levels", "--output="}, "после --output нужен файл"},
        {{"report", "--prices"}, "после --prices нужен файл"},
        {{"report", "--manual=yes"}, "параметр --manual пишется без значения"},
        {{"prices", "--prices", "b.txt"}, "неизвестный параметр «--prices» команды prices"},
        {{"prices", "--format", "csv"}, "неизвестный параметр «--format» команды prices"},
        {{"diff", "old"}, "после diff нужны две папки таблиц: старая и новая"},
        {{"diff", "old", "new", "third"}, "неизвестный параметр «third» команды diff"},
        {{"diff", "old", "new", "--format", "html"}, "неверное значение «html» для --format: можно text, csv или json"},
    };
    for (const Case& c : cases) {
        ToolRun run = Tool(c.args);
        EXPECT_EQ(run.ExitCode, kExitUsage);
        EXPECT_EQ(run.Output.Out, "");
        EXPECT_EQ(run.Output.Err, Utf8("kelm-chains: " + c.message + "\nСправка: kelm-chains --help\n"));
    }
}

TEST(KelmChainsUsage, HelpAndVersion) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"report", "--help"}, {"explain", "--help"}}) {
        ToolRun run = Tool(args);
        EXPECT_EQ(run.ExitCode, kExitOk);
        for (const char* command : {"report [--tables ", "explain ФАБРИКА [--tables ", "levels [ФАБРИКА] [--tables ",
                                    "prices [--tables ", "diff СТАРАЯ_ПАПКА НОВАЯ_ПАПКА [--level "})
            EXPECT_NE(run.Output.Out.find(Utf8(std::string("kelm-chains ") + command)), std::string::npos) << command;
        EXPECT_NE(run.Output.Out.find(Utf8("ПАПКА содержит wares.csv и stations.csv")), std::string::npos);
        // The item range follows the factory list.
        EXPECT_NE(run.Output.Out.find(Utf8("от 0 до " + std::to_string(kFactoryCount - 1))), std::string::npos);
    }
    ToolRun version = Tool({"--version"});
    EXPECT_EQ(version.ExitCode, kExitOk);
    EXPECT_EQ(version.Output.Out.rfind("kelm-chains 1.", 0), 0u);
}

}  // namespace
