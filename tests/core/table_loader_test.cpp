#include "data/table_loader.h"

#include <gtest/gtest.h>

#include "base/line_list.h"
#include "core/temp_folder.h"

namespace {

// Loads the given file texts (missing when null) from a fresh folder.
struct Loaded {
    Catalogue catalogue;
    LoadReport report;
};

Loaded Load(const char* wares, const char* stations) {
    TempFolder folder;
    if (wares) folder.Write("wares.csv", wares);
    if (stations) folder.Write("stations.csv", stations);
    Loaded loaded;
    loaded.report = LoadTables(folder.Native(), loaded.catalogue);
    return loaded;
}

TEST(StripComments, TrimsCutsCommentsAndDropsEmptyLines) {
    LineList lines;
    lines.LoadFromText("// header\r\n  \t \r\n 3 // count\r\nname ;1// c\r\n   // only\r\nx//\r\nlast");
    std::vector<int> fileLines;
    StripComments(lines, &fileLines);
    ASSERT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.Line(0), "3 ");  // the blank before "//" stays
    EXPECT_EQ(lines.Line(1), "name ;1");
    EXPECT_EQ(lines.Line(2), "x");
    EXPECT_EQ(lines.Line(3), "last");
    EXPECT_EQ(fileLines, (std::vector<int>{3, 4, 6, 7}));
}

TEST(StripComments, FileLinesCountLoneLineFeedsAsAnEditorDoes) {
    LineList lines;
    lines.LoadFromText("a\nb\r\nc");
    std::vector<int> fileLines;
    StripComments(lines, &fileLines);
    EXPECT_EQ(fileLines, (std::vector<int>{1, 3}));
}

TEST(NextField, ReadsTheFieldAndRemovesItWithItsSeparator) {
    std::string_view text = "12abc;$1F;-5";
    EXPECT_EQ(NextField(text), 12);
    EXPECT_EQ(text, "$1F;-5");
    EXPECT_EQ(NextField(text), 31);
    EXPECT_EQ(NextField(text), -5);
    EXPECT_EQ(text, "-5");  // no ";" left: unchanged, so it reads again
    EXPECT_EQ(NextField(text), -5);
}

TEST(LoadTables, ReadsAWareLineWithCommentsCountAndTime) {
    Loaded t = Load("// wares\r\n\r\n2 // two\r\nСталь ;1;2;3;4;00:01:30 // comment\r\nx;$1F; 7;-5;4a;00:99:00\r\n",
                    "0\r\n");
    ASSERT_EQ(t.catalogue.Wares.size(), 2u);
    const Ware& steel = t.catalogue.Wares[0];
    EXPECT_EQ(steel.Name, "Сталь ");
    EXPECT_EQ(steel.MinPrice, 1);
    EXPECT_EQ(steel.AvgPrice, 2);
    EXPECT_EQ(steel.MaxPrice, 3);
    EXPECT_EQ(steel.UnitsPerCycle, 4);
    EXPECT_EQ(steel.CycleSeconds, 90);
    const Ware& x = t.catalogue.Wares[1];
    EXPECT_EQ(x.MinPrice, 31);
    EXPECT_EQ(x.AvgPrice, 7);
    EXPECT_EQ(x.MaxPrice, -5);
    EXPECT_EQ(x.UnitsPerCycle, 4);
    EXPECT_EQ(x.CycleSeconds, 5940);
    EXPECT_EQ(t.report.Wares.CountLine, 3);
    EXPECT_EQ(t.report.Wares.Records[0].FileLine, 4);
    EXPECT_EQ(t.report.Wares.Records[1].FileLine, 5);
}

TEST(LoadTables, TimeTextIsReadByPositions) {
    Loaded t = Load("5\r\na;1;1;1;1; 01:00:00\r\nb;1;1;1;1;01-02-03\r\nc;1;1;1;1;1:2:3\r\nd;1;1;1;1;01:0\r\ne;1;1;1;1\r\n",
                    nullptr);
    const WareTable& w = t.catalogue.Wares;
    EXPECT_EQ(w[0].CycleSeconds, 0);  // a blank first puts every pair off by one
    EXPECT_EQ(w[1].CycleSeconds, 3723);
    EXPECT_EQ(w[2].CycleSeconds, 3600);  // pairs "1:", ":3" and "": 1, 0 and 0
    EXPECT_EQ(w[3].CycleSeconds, 3600);
    EXPECT_FALSE(t.report.Wares.Records[3].FullTime);
    EXPECT_EQ(w[4].CycleSeconds, 1 * 3600);  // no time field: the last number's text is read again
    EXPECT_TRUE(t.report.Wares.Records[1].FullTime);
}

TEST(LoadTables, LongNamesKeepTheirFirst255Characters) {
    std::string line = "1\r\n" + std::string(300, 'N') + ";1;2;3;4;00:00:10\r\n";
    Loaded t = Load(line.c_str(), nullptr);
    EXPECT_EQ(t.catalogue.Wares[0].Name, std::string(255, 'N'));
    EXPECT_EQ(t.catalogue.Wares[0].MinPrice, 1);
}

TEST(LoadTables, StationFieldsAndRepeatedLastNumber) {
    Loaded t = Load("0\r\n", "3\r\nЗавод;1;2;3;4;5;6;7;8;9;10;11\r\nA;1;2;3;4;5;6;7;8;9;7\r\nB;1;2;3;4;5;6;7;8;9;7;\r\n");
    ASSERT_EQ(t.catalogue.Stations.size(), 3u);
    const Station& s = t.catalogue.Stations[0];
    EXPECT_EQ(s.Name, "Завод");
    EXPECT_EQ(s.Product, 1);
    EXPECT_EQ(s.ResourceCount, 2);
    EXPECT_EQ(s.Resources, (std::array<std::int32_t, 3>{3, 4, 5}));
    EXPECT_EQ(s.ResourceAmounts, (std::array<std::int32_t, 3>{6, 7, 8}));
    EXPECT_EQ(s.Reserved, 9);
    EXPECT_EQ(s.Supports, (std::array<std::int32_t, 3>{10, 11, 11}));
    EXPECT_EQ(t.catalogue.Stations[1].Supports, (std::array<std::int32_t, 3>{7, 7, 7}));
    EXPECT_EQ(t.catalogue.Stations[2].Supports, (std::array<std::int32_t, 3>{7, 0, 0}));
}

TEST(LoadTables, CountDecidesTheTableLength) {
    Loaded fewer = Load("3\r\na;1;1;1;1;00:00:01\r\n", nullptr);
    ASSERT_EQ(fewer.catalogue.Wares.size(), 3u);
    EXPECT_EQ(fewer.catalogue.Wares[2].Name, "");
    EXPECT_EQ(fewer.report.Wares.Records[2].FileLine, 0);

    Loaded more = Load("1\r\na;1;1;1;1;00:00:01\r\nb;1;1;1;1;00:00:01\r\n// c\r\nc;1\r\n", nullptr);
    ASSERT_EQ(more.catalogue.Wares.size(), 1u);  // extra lines are ignored, and counted
    EXPECT_EQ(more.report.Wares.ExtraLineCount, 2);
    EXPECT_EQ(more.report.Wares.FirstExtraLine, 3);

    Loaded negative = Load("-4\r\na;1;1;1;1;00:00:01\r\n", nullptr);
    EXPECT_TRUE(negative.catalogue.Wares.empty());
    EXPECT_EQ(negative.report.Wares.DeclaredCount, -4);

    Loaded notANumber = Load("count 3\r\na;1;1;1;1;00:00:01\r\n", nullptr);
    EXPECT_TRUE(notANumber.catalogue.Wares.empty());
    EXPECT_FALSE(notANumber.report.Wares.CountIsNumber);
    EXPECT_TRUE(negative.report.Wares.CountIsNumber);
    EXPECT_FALSE(Load("-x\r\n", nullptr).report.Wares.CountIsNumber);
    EXPECT_TRUE(Load("+0\r\n", nullptr).report.Wares.CountIsNumber);

    Loaded huge = Load("2147483647\r\na;1;1;1;1;00:00:01\r\n", nullptr);
    EXPECT_LE(huge.catalogue.Wares.size(), 65537u);  // a typo can't exhaust memory
    EXPECT_EQ(huge.catalogue.Wares[0].Name, "a");
}

TEST(LoadTables, MissingFilesGiveEmptyTables) {
    Loaded t = Load(nullptr, "1\r\nA;1;0;0;0;0;0;0;0;0;0;0;0\r\n");
    EXPECT_FALSE(t.report.Wares.Read);
    EXPECT_TRUE(t.catalogue.Wares.empty());
    EXPECT_TRUE(t.report.Stations.Read);
    EXPECT_EQ(t.catalogue.Stations.size(), 1u);
}

TEST(LoadTables, LfOnlyFileIsOneLine) {
    Loaded t = Load("2\na;1;1;1;1;00:00:01\nb;1;1;1;1;00:00:01\n", nullptr);
    ASSERT_EQ(t.catalogue.Wares.size(), 2u);
    EXPECT_EQ(t.catalogue.Wares[0].Name, "");
    EXPECT_EQ(t.report.Wares.Records[0].FileLine, 0);
}

TEST(LoadTables, LineWithoutSeparatorHasAnEmptyNameAndRereadsItself) {
    Loaded t = Load("1\r\n42\r\n", nullptr);
    const Ware& w = t.catalogue.Wares[0];
    EXPECT_EQ(w.Name, "");
    EXPECT_EQ(w.MinPrice, 42);
    EXPECT_EQ(w.UnitsPerCycle, 42);
    EXPECT_FALSE(t.report.Wares.Records[0].HasSeparator);
}

}  // namespace
