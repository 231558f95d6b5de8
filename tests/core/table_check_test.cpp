#include "calc/table_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "calc/tables_folder.h"
#include "core/temp_folder.h"
#include "data/table_loader.h"

namespace {

// Tables in which every chain is complete: stations 3 to 120 make machines from energy,
// steel (support 1) and glass (support 3); steel is made from energy and ore (support 2).
// Each file starts with a comment line, so record k stands on file line k + 3.
struct TableLines {
    std::string WaresCount = "5";
    std::vector<std::string> Wares = {
        "Энергия;10;15;20;100;00:01:00", "Руда;20;25;30;10;00:02:00",     "Сталь;40;50;60;5;00:05:00",
        "Стекло;30;35;40;8;00:03:00",    "Машины;300;400;500;2;00:10:00",
    };
    std::string StationsCount = "121";
    std::vector<std::string> Stations;

    TableLines() {
        Stations.push_back("Рудник;1;1;0;0;0;5;0;0;0;0;0;0");
        Stations.push_back("Сталелитейный завод;2;2;0;1;0;8;2;0;0;0;0;0");
        Stations.push_back("Стекольный завод;3;1;0;0;0;6;0;0;0;0;0;0");
        for (int s = 3; s <= 120; ++s) Stations.push_back("Машиностроительный завод;4;3;0;2;3;10;4;3;0;1;0;2");
    }

    static std::string Text(const std::string& count, const std::vector<std::string>& lines) {
        std::string text = "// table\r\n" + count + "\r\n";
        for (const std::string& line : lines) text += line + "\r\n";
        return text;
    }
};

struct Checked {
    TableCheck Check;
    Catalogue Tables;
};

// Writes the tables (a file left out when asked), loads and checks them.
Checked LoadAndCheck(const TableLines& lines, bool writeWares = true, bool writeStations = true) {
    TempFolder folder;
    if (writeWares) folder.Write("wares.csv", TableLines::Text(lines.WaresCount, lines.Wares));
    if (writeStations) folder.Write("stations.csv", TableLines::Text(lines.StationsCount, lines.Stations));
    Checked checked;
    checked.Check = CheckTables(checked.Tables, LoadTables(folder.Native(), checked.Tables));
    return checked;
}

int FileLineOf(int record) { return record + 3; }

std::string AllTexts(const TableCheck& check) {
    std::string texts;
    for (const TableProblem& problem : check.Problems) texts += ProblemText(problem) + "\n";
    return texts;
}

std::size_t EntryOf(std::int32_t station) {
    for (std::size_t i = 0; i < kFactoryCount; ++i)
        if (FactoryList[i] == station) return i;
    return kFactoryCount;
}

TEST(CheckTables, WellFormedTablesHaveNoProblemAndOnlyCompleteChains) {
    // Every form of a number the tables allow, and text where no number is read.
    TableLines lines;
    lines.WaresCount = "5 записей";
    lines.Wares[0] = "Энергия;$A;0xF; 20\t;x64 ;00:01:00 утра // то же, что 10;15;20;100";
    lines.Stations[0] = "Рудник;1 ;1; 0\t;0;0;+5;0;0;0;0;0;0";
    Checked checked = LoadAndCheck(lines);
    EXPECT_TRUE(checked.Check.Problems.empty()) << AllTexts(checked.Check);
    EXPECT_EQ(checked.Tables.Wares[0].AvgPrice, 15);
    EXPECT_EQ(checked.Tables.Wares[0].UnitsPerCycle, 100);
    EXPECT_EQ(checked.Check.CompleteCount(), 96);
    for (std::int32_t station : FactoryList) EXPECT_TRUE(ChainIsComplete(checked.Tables, station));
}

// One kind of problem each: what is changed, the one problem expected, and which entries
// of the factory list lose their chain (all, none, or the one of a station). Only a read
// outside a table or a zero divisor loses one.
enum class Lost { None, All, Station };
constexpr TableFile kWares = TableFile::Wares;
constexpr TableFile kStations = TableFile::Stations;
struct ProblemCase {
    const char* name;
    std::function<void(TableLines&)> change;
    TableFile file;
    int line;
    const char* message;
    Lost lost;
    std::int32_t station = 0;
    bool warning = false;
};

void SetField(std::string& line, int field, const std::string& value) {
    std::size_t begin = 0;
    for (int i = 0; i < field; ++i) begin = line.find(';', begin) + 1;
    std::size_t end = line.find(';', begin);
    line.replace(begin, end == std::string::npos ? std::string::npos : end - begin, value);
}

const ProblemCase kProblemCases[] = {
    {"CountNotANumber", [](TableLines& t) { t.WaresCount = "пять"; }, kWares, 2,
     "строка должна начинаться с числа записей; записи не прочитаны", Lost::All},
    {"NegativeCount", [](TableLines& t) { t.WaresCount = "-5"; }, kWares, 2,
     "число записей отрицательное (-5); записи не прочитаны", Lost::All},
    {"FewerLinesThanTheCount", [](TableLines& t) { t.WaresCount = "7"; }, kWares, 2,
     "объявлено записей: 7, а строк записей: 5; остальные записи пусты", Lost::None},
    {"MoreLinesThanTheCount",
     [](TableLines& t) {
         t.Wares.push_back("Лишний;1;1;1;1;00:00:01");
         t.Wares.push_back("x");
     },
     kWares, FileLineOf(5), "строк записей больше, чем объявлено (5): эта и следующие строки не прочитаны (всего 2)",
     Lost::None},
    {"StationLineMissingForTheLastListedStation", [](TableLines& t) { t.Stations.pop_back(); }, kStations, 2,
     "объявлено записей: 121, а строк записей: 120; остальные записи пусты", Lost::None},
    {"StationTableShorterThanTheList",
     [](TableLines& t) {
         t.StationsCount = "120";
         t.Stations.pop_back();
     },
     kStations, 2,
     "записей в таблице: 120, а в списке фабрик есть номера до 120; фабрики с номером 120 и выше не показываются",
     Lost::Station, 120},
    {"StationLineWithoutSeparator", [](TableLines& t) { t.Stations[50] = "Завод 4 3 0 2 3"; }, kStations,
     FileLineOf(50),
     "в строке нет ни одной «;»: название и поля не разделены", Lost::None},
    {"WareLineWithoutSeparatorUsedByEveryChain", [](TableLines& t) { t.Wares[0] = "Энергия 10 15 20"; }, kWares,
     FileLineOf(0), "в строке нет ни одной «;»: название и поля не разделены", Lost::None},
    {"SupportLineCutShort", [](TableLines& t) { t.Stations[1] = "Сталелитейный завод;2;2;0;1;0;8;2;0"; }, kStations,
     FileLineOf(1), "полей в строке: 9 из 13; недостающие прочитаны как 0 или как повтор последнего числа", Lost::None},
    {"ResourceCountAboveThree", [](TableLines& t) { SetField(t.Stations[10], 2, "4"); }, kStations, FileLineOf(10),
     "число ресурсов 4, а должно быть от 0 до 3", Lost::Station, 10},
    {"NegativeResourceCountOfASupport", [](TableLines& t) { SetField(t.Stations[2], 2, "-1"); }, kStations,
     FileLineOf(2),
     "число ресурсов -1, а должно быть от 0 до 3", Lost::All},
    {"ProductOutsideTheWares", [](TableLines& t) { SetField(t.Stations[11], 1, "99"); }, kStations, FileLineOf(11),
     "продукт: нет товара № 99 (товаров в таблице: 5)", Lost::Station, 11},
    {"ListedResourceOutsideTheWares", [](TableLines& t) { SetField(t.Stations[0], 3, "5"); }, kStations, FileLineOf(0),
     "ресурс 1: нет товара № 5 (товаров в таблице: 5)", Lost::All},
    {"UnlistedResourceThePriceButtonsRead",
     [](TableLines& t) {
         SetField(t.Stations[12], 2, "1");
         SetField(t.Stations[12], 5, "-3");
     },
     kStations, FileLineOf(12),
     "ресурс 3 (его читают кнопки цен при любом числе ресурсов): нет товара № -3 (товаров в таблице: 5)", Lost::Station,
     12},
    {"SupportOutsideTheStations", [](TableLines& t) { SetField(t.Stations[13], 11, "500"); }, kStations, FileLineOf(13),
     "фабрика поддержки 2: нет фабрики № 500 (фабрик в таблице: 121)", Lost::Station, 13},
    {"Support1DoesNotMakeResource2", [](TableLines& t) { SetField(t.Stations[14], 4, "3"); }, kStations, FileLineOf(14),
     "ресурс 2 (товар № 3 «Стекло») должна производить фабрика поддержки 1 (№ 1 «Сталелитейный завод»), а она "
     "производит товар № 2 «Сталь»",
     Lost::None, 0, true},
    {"Support3DoesNotMakeResource3", [](TableLines& t) { SetField(t.Stations[15], 12, "0"); }, kStations,
     FileLineOf(15),
     "ресурс 3 (товар № 3 «Стекло») должна производить фабрика поддержки 3 (№ 0 «Рудник»), а она производит товар № "
     "1 «Руда»",
     Lost::None, 0, true},
    {"Support2DoesNotMakeResource2OfSupport1", [](TableLines& t) { SetField(t.Stations[16], 11, "2"); }, kStations,
     FileLineOf(16),
     "ресурс 2 фабрики поддержки 1 (товар № 1 «Руда») должна производить фабрика поддержки 2 (№ 2 «Стекольный "
     "завод»), а она производит товар № 3 «Стекло»",
     Lost::None, 0, true},
    {"SupportProductMakesZeroUnits", [](TableLines& t) { SetField(t.Wares[1], 4, "0"); }, kWares, FileLineOf(1),
     "выпуск за цикл равен 0, а расчет цепочки делит на него", Lost::All},
    {"MainProductTakesNoTime", [](TableLines& t) { SetField(t.Wares[4], 5, "00:00:00"); }, kWares, FileLineOf(4),
     "время цикла равно 0, а расчет цепочки делит на него", Lost::All},
    {"ProductTimeTextCut", [](TableLines& t) { SetField(t.Wares[3], 5, "00:03"); }, kWares, FileLineOf(3),
     "время цикла задано не полностью: нужно ЧЧ:ММ:СС сразу после пятой «;»", Lost::None},
    {"QuantityWithACyrillicLetter", [](TableLines& t) { SetField(t.Stations[20], 6, "1З0"); }, kStations,
     FileLineOf(20), "поле 7 «1З0» читается как 1: знаки после числа не учитываются", Lost::None, 0, true},
    {"PriceWithAUnit", [](TableLines& t) { SetField(t.Wares[2], 2, " 50 р. "); }, kWares, FileLineOf(2),
     "поле 3 « 50 р.» читается как 50: знаки после числа не учитываются", Lost::None, 0, true},
    {"ReservedAfterATab", [](TableLines& t) { SetField(t.Stations[30], 9, "\t7"); }, kStations, FileLineOf(30),
     "поле 10 «\t7» читается как 0: знаки после числа не учитываются", Lost::None, 0, true},
};

class CheckTablesProblem : public testing::TestWithParam<ProblemCase> {};

TEST_P(CheckTablesProblem, IsReportedAtItsLineAndDropsOnlyTheChainsItBreaks) {
    const ProblemCase& c = GetParam();
    TableLines lines;
    c.change(lines);
    Checked checked = LoadAndCheck(lines);
    ASSERT_EQ(checked.Check.Problems.size(), 1u) << AllTexts(checked.Check);
    const TableProblem& problem = checked.Check.Problems[0];
    EXPECT_EQ(problem.File, c.file);
    EXPECT_EQ(problem.Line, c.line);
    EXPECT_EQ(problem.Message, c.message);
    EXPECT_EQ(problem.Warning, c.warning);
    EXPECT_EQ(StartupMessageNeeded(checked.Check), !c.warning);
    for (std::size_t i = 0; i < kFactoryCount; ++i) {
        bool lost = c.lost == Lost::All || (c.lost == Lost::Station && FactoryList[i] == c.station);
        EXPECT_EQ(checked.Check.Complete[i], !lost) << "entry " << i;
        // The file lines make no difference: only what the records hold counts.
        EXPECT_EQ(ChainIsComplete(checked.Tables, FactoryList[i]), !lost) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, CheckTablesProblem, testing::ValuesIn(kProblemCases),
                         [](const testing::TestParamInfo<ProblemCase>& info) { return info.param.name; });

TEST(CheckTables, MissingFilesAreNamedOnceWithoutAProblemPerRecord) {
    Checked noWares = LoadAndCheck(TableLines(), false, true);
    ASSERT_EQ(noWares.Check.Problems.size(), 1u);
    EXPECT_EQ(ProblemText(noWares.Check.Problems[0]), "wares.csv: файл не найден или не читается");
    EXPECT_EQ(noWares.Check.CompleteCount(), 0);

    Checked noStations = LoadAndCheck(TableLines(), true, false);
    ASSERT_EQ(noStations.Check.Problems.size(), 1u);
    EXPECT_EQ(noStations.Check.Problems[0].File, TableFile::Stations);
    EXPECT_EQ(noStations.Check.Problems[0].Line, 0);
    EXPECT_EQ(noStations.Check.CompleteCount(), 0);
}

TEST(CheckTables, EmptyFilesAndEmptyTablesAreReported) {
    TempFolder folder;
    folder.Write("wares.csv", "// nothing but a comment\r\n   \r\n");
    folder.Write("stations.csv", TableLines::Text("121", TableLines().Stations));
    Catalogue tables;
    TableCheck check = CheckTables(tables, LoadTables(folder.Native(), tables));
    ASSERT_EQ(check.Problems.size(), 1u);
    EXPECT_EQ(check.Problems[0].Line, 0);
    EXPECT_EQ(check.Problems[0].Message, "в файле нет строки с числом записей");

    TableLines zero;
    zero.WaresCount = "0";
    zero.Wares.clear();
    Checked checked = LoadAndCheck(zero);
    ASSERT_EQ(checked.Check.Problems.size(), 1u);
    EXPECT_EQ(checked.Check.Problems[0].Line, 2);
    EXPECT_EQ(checked.Check.Problems[0].Message, "в таблице нет ни одной записи");
    EXPECT_EQ(checked.Check.CompleteCount(), 0);
}

TEST(CheckTables, DataOnlyTheChainsDoNotReadIsNoProblem) {
    TableLines lines;
    SetField(lines.Wares[4], 4, "0");      // the main product's output is no divisor
    SetField(lines.Wares[0], 5, "00:00");  // nor is the time of a ware no chain factory makes
    SetField(lines.Wares[0], 4, "0");
    SetField(lines.Stations[30], 2, "9");  // a station no chain reads
    SetField(lines.Stations[30], 1, "-1");
    SetField(lines.Stations[20], 2, "2");  // two resources: row 3 is still read by the buttons, and valid
    lines.Stations[0] += ";junk;after;the;last;field";
    Checked checked = LoadAndCheck(lines);
    EXPECT_TRUE(checked.Check.Problems.empty()) << AllTexts(checked.Check);
    EXPECT_EQ(checked.Check.CompleteCount(), 96);
}

TEST(CheckTables, AnEmptyRecordInAChainIsNamedOnlyByTheCountLine) {
    TableLines lines;
    lines.StationsCount = "122";
    SetField(lines.Stations[17], 12, "121");  // support 3 is a record no line filled: all zeros
    Checked checked = LoadAndCheck(lines);
    ASSERT_EQ(checked.Check.Problems.size(), 1u) << AllTexts(checked.Check);
    EXPECT_EQ(checked.Check.Problems[0].Line, 2);
    EXPECT_TRUE(checked.Check.Complete[EntryOf(17)]);
}

TEST(CheckTables, ProblemsAreSortedByFileAndLineAndNamedOnce) {
    TableLines lines;
    SetField(lines.Stations[0], 1, "77");  // support 2 of every chain
    SetField(lines.Stations[5], 2, "5");
    SetField(lines.Wares[2], 4, "0");
    lines.WaresCount = "x";
    Checked checked = LoadAndCheck(lines);
    std::vector<std::string> texts;
    for (const TableProblem& problem : checked.Check.Problems) texts.push_back(ProblemText(problem));
    // With no wares, the station problems are only the ones no ware table would cure.
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "wares.csv:2: строка должна начинаться с числа записей; записи не прочитаны",
                         "stations.csv:8: число ресурсов 5, а должно быть от 0 до 3",
                     }));

    lines.WaresCount = "5";
    checked = LoadAndCheck(lines);
    texts.clear();
    for (const TableProblem& problem : checked.Check.Problems) texts.push_back(ProblemText(problem));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "wares.csv:5: выпуск за цикл равен 0, а расчет цепочки делит на него",
                         "stations.csv:3: продукт: нет товара № 77 (товаров в таблице: 5)",
                         "stations.csv:8: число ресурсов 5, а должно быть от 0 до 3",
                     }));
}

TEST(CheckTables, TheShippedTablesHaveNoProblem) {
    Catalogue tables;
    TableCheck check = CheckTables(tables, LoadTables(NativeOf(KELM_SOURCE_DIR) / kTablesFolder, tables));
    EXPECT_TRUE(check.Problems.empty()) << AllTexts(check);
    EXPECT_EQ(check.CompleteCount(), 96);
}

TEST(ChainIsComplete, JudgesTheRecordsAlone) {
    Catalogue tables;
    tables.Wares.resize(2, Ware{"w", 1, 1, 1, 1, 1});
    tables.Stations.resize(4);
    tables.Stations[0] = Station{"main", 0, 3, {0, 1, 1}, {1, 1, 1}, 0, {1, 2, 3}};
    tables.Stations[1] = Station{"s1", 1, 2, {0, 1, 0}, {1, 1, 0}, 0, {}};
    tables.Stations[2] = Station{"s2", 1, 1, {0, 0, 0}, {1, 0, 0}, 0, {}};
    tables.Stations[3] = Station{"s3", 1, 0, {0, 0, 0}, {}, 0, {}};
    EXPECT_TRUE(ChainIsComplete(tables, 0));
    EXPECT_FALSE(ChainIsComplete(tables, 4));
    EXPECT_FALSE(ChainIsComplete(tables, -1));
    tables.Stations[3].Resources[0] = 2;  // read by the price buttons
    EXPECT_FALSE(ChainIsComplete(tables, 0));
    tables.Stations[3].Resources[0] = 0;
    tables.Wares[1].CycleSeconds = 0;
    EXPECT_FALSE(ChainIsComplete(tables, 0));
}

TEST(ProblemText, NamesFileLineAndWarning) {
    EXPECT_EQ(ProblemText({TableFile::Wares, 12, "текст"}), "wares.csv:12: текст");
    EXPECT_EQ(ProblemText({TableFile::Stations, 0, "текст"}), "stations.csv: текст");
    EXPECT_EQ(ProblemText({TableFile::Stations, 5, "текст", true}), "stations.csv:5: предупреждение: текст");
}

TEST(StartupMessageText, ListsTheFirstErrorsCountsTheRestAndSaysWhatIsLeft) {
    TableCheck check;
    check.Problems.push_back({TableFile::Wares, 1, "странно", true});
    for (int line = 2; line <= 11; ++line) check.Problems.push_back({TableFile::Wares, line, "ошибка"});
    check.Complete[0] = check.Complete[5] = true;
    EXPECT_TRUE(StartupMessageNeeded(check));
    EXPECT_EQ(StartupMessageText(check, 3),
              "В таблицах найдены ошибки (10):\r\nwares.csv:2: ошибка\r\nwares.csv:3: ошибка\r\n"
              "wares.csv:4: ошибка\r\nи ещё 7.\r\nКроме того, предупреждений: 1; их перечисляет kelm-chains check.\r\n"
              "\r\nФабрик с полными цепочками: 2 из 96. В списке остаются только они.");

    check.Problems.resize(3);
    check.Complete.fill(false);
    EXPECT_EQ(StartupMessageText(check, 3),
              "В таблицах найдены ошибки (2):\r\nwares.csv:2: ошибка\r\nwares.csv:3: ошибка\r\n"
              "Кроме того, предупреждений: 1; их перечисляет kelm-chains check.\r\n\r\n"
              "Ни у одной фабрики из списка нет полной цепочки. Программа будет закрыта.");

    check.Complete.fill(true);
    EXPECT_TRUE(StartupMessageNeeded(check));
    check.Problems.resize(1);
    EXPECT_FALSE(StartupMessageNeeded(check));  // a warning alone
}

TEST(FindTablesFolder, PrefersTheWorkingFolderThenTheExecutablesFolder) {
    TempFolder working, root;
    // Letters beyond every single-byte code page, as in a Windows user's folder.
    const std::filesystem::path exeName = u8"Zoë 测试", exe = root.Path() / exeName;
    std::filesystem::create_directories(working.Path() / "tables");
    std::filesystem::create_directories(exe / "tables");
    NativePath inWorking = working.Native() / kTablesFolder, besideExe = NativeOf(exe) / kTablesFolder;
    auto find = [&] { return FindTablesFolder(working.Native(), NativeOf(exe)); };
    EXPECT_EQ(find(), inWorking);  // in neither: the working folder's, for the problems to name
    root.Write(exeName / "tables/wares.csv", "0\r\n");
    EXPECT_EQ(find(), besideExe);  // more of the files there
    working.Write("tables/stations.csv", "0\r\n");
    EXPECT_EQ(find(), inWorking);  // as many in both
    root.Write(exeName / "tables/stations.csv", "0\r\n");
    EXPECT_EQ(find(), besideExe);  // both files only there
    working.Write("tables/wares.csv", "0\r\n");
    EXPECT_EQ(find(), inWorking);  // both files in both
}

}  // namespace
