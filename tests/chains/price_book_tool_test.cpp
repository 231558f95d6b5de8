// Reports made at the player's own prices, checked against arithmetic done apart from the
// tool on the example tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chains/example_tables.h"

namespace {

using namespace example;

// What the player's prices are in the example chain: the four raw resources, the main
// product's sale price, and (standing only with --manual) the prices typed into the rows
// the support factories feed: alloy into support 1, part and fuel into the main factory.
struct ExamplePrices {
    double water, coal, gas, ore, sale;
    double alloy, part, fuel;
};

ExamplePrices AtLevel(int level) {
    const double water[] = {8, 10, 12}, coal[] = {2, 3, 4}, gas[] = {20, 25, 30}, ore[] = {15, 20, 25},
                 sale[] = {80, 100, 120}, alloy[] = {2, 3, 5}, part[] = {10, 12, 14}, fuel[] = {60, 70, 80};
    return {water[level], coal[level], gas[level], ore[level], sale[level], alloy[level], part[level], fuel[level]};
}

// The example chain's income per day, worked out by hand from the calculation's rules.
long long ExampleIncome(const ExamplePrices& p, bool manual) {
    double c2 = 2 * p.water, c1 = 10 * p.coal + (manual ? p.alloy : std::trunc(std::max(2.0, c2 / 5)));
    double c3 = 4 * p.gas;
    double part = manual ? p.part : std::trunc(std::max(10.0, c1 / 4));
    double fuel = manual ? p.fuel : std::trunc(std::max(60.0, c3 / 2));
    double cM = 5 * p.ore + 2 * part + fuel;
    double perCycle = p.sale * 10 - cM - 600 * c1 / 1200 - 600 * c2 / 300 - 600 * c3 / 900;
    return static_cast<long long>(std::trunc(86400.0 / 600 * perCycle));
}

// Field `column` of a ";"-separated line.
std::string Field(const std::string& line, std::size_t column) {
    std::size_t start = 0;
    for (std::size_t k = 0; k < column; ++k) start = line.find(';', start) + 1;
    return line.substr(start, line.find(';', start) - start);
}

std::size_t Column(const std::string& header, const std::string& key) {
    std::size_t column = 0;
    while (column < 40 && Field(header, column) != key) ++column;
    return column;
}

struct PriceBookTool : ToolTest {
    std::string WriteBook(const std::string& utf8) {
        folder.Write("book.txt", utf8);
        return Utf8Path(folder.Path() / "book.txt");
    }
};

TEST_F(PriceBookTool, ARawResourceAndTheSalePriceStandASupportProductOnlyInManualMode) {
    std::string tablesPath = Write();
    std::string bookPath = WriteBook(Utf8("// мои цены\nРуда;30\n  Товар ; 150 // на рынке сегодня\n\nСплав;50\n"));
    ExamplePrices prices = AtLevel(1);
    prices.ore = 30;
    prices.sale = 150;
    for (bool manual : {false, true}) {
        std::vector<std::string> args = {"report", "--tables", tablesPath, "--format", "csv", "--prices", bookPath};
        if (manual) args.push_back("--manual");
        ToolRun run = Tool(args);
        ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
        std::vector<std::string> lines = Lines(run.Output.Out);
        ASSERT_EQ(lines.size(), 97u);
        ExamplePrices expected = prices;
        expected.alloy = 50;
        EXPECT_EQ(Field(lines[1], Column(lines[0], "chain_income")), std::to_string(ExampleIncome(expected, manual)))
            << manual;
        EXPECT_EQ(Field(lines[1], Column(lines[0], "main_sale_price")), "150");
        EXPECT_EQ(Field(lines[1], Column(lines[0], "book_prices")), "3");
        // Automatic prices put the transfer price where the alloy was typed.
        EXPECT_EQ(Field(lines[1], Column(lines[0], "book_unused")), manual ? "" : Utf8("Сплав")) << manual;
    }

    ToolRun text = Tool({"report", "--tables", tablesPath, "--prices", bookPath});
    ASSERT_EQ(text.ExitCode, kExitOk);
    EXPECT_EQ(Lines(text.Output.Out)[0],
              Utf8("Цены из книги " + bookPath + ": 3. Ни в один расчет не вошли цены товаров: Сплав."));
    ToolRun json = Tool({"explain", "0", "--tables", tablesPath, "--prices", bookPath, "--format", "json"});
    ASSERT_EQ(json.ExitCode, kExitOk);
    EXPECT_NE(json.Output.Out.find("\"price_book\": {\"file\": "), std::string::npos);
    EXPECT_NE(json.Output.Out.find(Utf8("\"prices\": 3, \"unused\": [\"Сплав\"]}")), std::string::npos);
}

// The heading names the encoding the book was read in unless it was UTF-8, and says when
// the book sets no price at all.
TEST_F(PriceBookTool, TheHeadingSaysHowTheBookWasReadAndWhenItIsEmpty) {
    std::string tablesPath = Write();
    const std::string ore = "Руда;30\r\n";
    std::string littleEndian = "\xFF\xFE", bigEndian = "\xFE\xFF";
    for (char c : ore) {
        char32_t unit = Cp1251ToCodePoint(static_cast<unsigned char>(c));
        littleEndian += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        bigEndian += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    struct Case {
        std::string bytes;
        std::string after;  // what follows "Цены из книги FILE"
    };
    const Case cases[] = {
        {Utf8(ore), ": 1, все вошли в расчет."},
        {ore, " (прочитана как Windows-1251): 1, все вошли в расчет."},
        {littleEndian, " (прочитана как UTF-16 LE): 1, все вошли в расчет."},
        {bigEndian, " (прочитана как UTF-16 BE): 1, все вошли в расчет."},
        {"", ": в книге нет ни одной цены."},
        {"\xEF\xBB\xBF// " + Utf8("пока пусто") + "\r\n", ": в книге нет ни одной цены."},
    };
    for (const Case& c : cases) {
        folder.Write("book.txt", c.bytes);
        std::string bookPath = Utf8Path(folder.Path() / "book.txt");
        ToolRun run = Tool({"report", "--tables", tablesPath, "--prices", bookPath});
        ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
        EXPECT_EQ(Lines(run.Output.Out)[0], Utf8("Цены из книги ") + bookPath + Utf8(c.after));
    }
}

TEST_F(PriceBookTool, LevelsKeepTheBooksPricesAndTheBreakEvenTypesOverTheBooksSalePrice) {
    std::string tablesPath = Write();
    std::string bookPath = WriteBook(Utf8("Руда;30\nТовар;150\n"));
    ToolRun run = Tool({"levels", "--tables", tablesPath, "--prices", bookPath, "--format", "json"});
    ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
    std::vector<std::string> lines = Lines(run.Output.Out);
    ASSERT_EQ(lines.size(), 98u);
    const char* keys[] = {"min", "avg", "max"};
    for (int r = 0; r < 3; ++r)
        for (int s = 0; s < 3; ++s) {
            ExamplePrices prices = AtLevel(r);
            prices.ore = 30;
            prices.sale = 150;
            std::string key = std::string(keys[r]) + "/" + keys[s];
            EXPECT_EQ(JsonField(lines[1], key), "\"" + std::to_string(ExampleIncome(prices, false)) + "\"") << key;
        }
    ExamplePrices average = AtLevel(1);
    average.ore = 30;
    int breakEven = 0;
    for (average.sale = 0; ExampleIncome(average, false) < 0; average.sale = ++breakEven) {}
    EXPECT_EQ(JsonField(lines[1], "break_even_sale_price"), std::to_string(breakEven));
    EXPECT_NE(breakEven, 150);
}

TEST_F(PriceBookTool, TheStartingBookChangesNoResultAndCannotNameASharedName) {
    tables.Wares.push_back(" Уголь ;1;2;3;1;00:01:00");  // a second coal, blanks around its name
    std::string tablesPath = Write();
    const std::filesystem::path bookFile = folder.Path() / "start.txt";
    ToolRun prices = Tool({"prices", "--tables", tablesPath, "--level", "max", "--output", Utf8Path(bookFile)});
    ASSERT_EQ(prices.ExitCode, kExitOk) << prices.Output.Err;
    std::string bytes = ReadBytes(bookFile);
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(bytes.find(Utf8("\r\nРуда;25 // мин. 15, макс. 25\r\n")), std::string::npos);
    EXPECT_NE(bytes.find(Utf8("\r\n// Уголь;4 // мин. 2, макс. 4; по названию не задать: так называются товары в "
                              "строках 8 и 12 файла wares.csv\r\n")),
              std::string::npos)
        << bytes;

    ToolRun plain = Tool({"report", "--tables", tablesPath, "--level", "max", "--format", "csv"});
    ToolRun withBook =
        Tool({"report", "--tables", tablesPath, "--level", "max", "--format", "csv", "--prices", Utf8Path(bookFile)});
    ASSERT_EQ(withBook.ExitCode, kExitOk) << withBook.Output.Err;
    std::vector<std::string> before = Lines(plain.Output.Out), after = Lines(withBook.Output.Out);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i].rfind(before[i], 0), 0u) << after[i];

    folder.Write("coal.txt", Utf8("Уголь;3\n"));
    ToolRun named = Tool({"report", "--tables", tablesPath, "--prices", Utf8Path(folder.Path() / "coal.txt")});
    EXPECT_EQ(named.ExitCode, kExitUsage);
    EXPECT_EQ(named.Output.Err, Utf8Path(folder.Path() / "coal.txt") +
                                    Utf8(":1: товар «Уголь» нельзя задать по названию: так называются товары в "
                                         "строках 8 и 12 файла wares.csv\n"));
}

TEST_F(PriceBookTool, EveryProblemOfABadBookIsToldAtItsLineAndNothingIsWritten) {
    std::string tablesPath = Write();
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"Руда 30", "нет «;» между товаром и ценой"},
        {"Медь;30", "нет товара «Медь» в таблице товаров"},
        {";30", "перед «;» не указан товар"},
        {"Уголь;", "после «;» не указана цена"},
        {"Газ;12.5", "цена «12.5» не целое число: нужно целое число от 0 до 2147483647"},
        {"Вода;-1", "цена «-1» отрицательная: нужно целое число от 0 до 2147483647"},
        {"Товар;2147483648", "цена «2147483648» больше 2147483647"},
        {"Люкс;99999999999999999999", "цена «99999999999999999999» больше 2147483647"},
        {"Деталь;1;2", "цена «1;2» не целое число: нужно целое число от 0 до 2147483647"},
        {"Руда;2147483647", nullptr},
        {"Руда;1 // again", "товар «Руда» уже задан в строке 10"},
        {"вода ;5", "нет товара «вода» в таблице товаров; может быть, «Вода»?"},
        {"Газы;5", "нет товара «Газы» в таблице товаров; может быть, «Газ»?"},
    };
    std::string book = "\xEF\xBB\xBF";
    std::string expected;
    const std::string bookPath = Utf8Path(folder.Path() / "bad.txt");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        book += Utf8(cases[i].line) + "\r\n";
        if (cases[i].message)
            expected += bookPath + ":" + std::to_string(i + 1) + ": " + Utf8(cases[i].message) + "\n";
    }
    folder.Write("bad.txt", book);
    const std::filesystem::path report = folder.Path() / "report.csv";
    for (const char* command : {"report", "levels", "explain", "diff"}) {
        std::vector<std::string> args = {command, "--prices", bookPath, "--output", Utf8Path(report)};
        if (std::string(command) == "explain") args.insert(args.begin() + 1, "0");
        if (std::string(command) == "diff") args.insert(args.begin() + 1, {tablesPath, tablesPath});
        else args.insert(args.end(), {"--tables", tablesPath});
        ToolRun run = Tool(args);
        EXPECT_EQ(run.ExitCode, kExitUsage) << command;
        EXPECT_EQ(run.Output.Err, expected) << command;
        EXPECT_FALSE(std::filesystem::exists(report)) << command;
    }
}

}  // namespace
