// The tables shipped with the program: they must load cleanly, give every factory of the
// list a chain of the fixed shape, and hold numbers a player would believe.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "base/file_bytes.h"
#include "base/line_list.h"
#include "base/text_convert.h"
#include "calc/chain.h"
#include "calc/chain_calculation.h"
#include "calc/chain_model.h"
#include "calc/chain_view.h"
#include "core/temp_folder.h"
#include "data/catalogue.h"
#include "data/factory_list.h"
#include "data/table_loader.h"

namespace {

const NativePath kShippedFolder = NativeOf(KELM_SOURCE_DIR) / kTablesFolder;

struct Shipped {
    Catalogue catalogue;
    LoadReport report;
};

const Shipped& Tables() {
    static const Shipped shipped = [] {
        Shipped loaded;
        loaded.report = LoadTables(kShippedFolder, loaded.catalogue);
        return loaded;
    }();
    return shipped;
}

std::string ReadText(std::string_view file) {
    FileReader reader(kShippedFolder / file);
    ByteBlock bytes;
    std::size_t size = 0;
    return reader.ReadAll(bytes, size) ? std::string(bytes.get(), size) : std::string();
}

bool IsCyrillicLetter(unsigned char c) { return c >= 0xC0 || c == 0xA8 || c == 0xB8; }

// Bytes of Russian CP1251 text: ASCII, letters and guillemets. UTF-8 Cyrillic would bring
// bytes 0x80-0xBF that are none of these.
bool IsCp1251TextByte(unsigned char c) {
    return (c >= 32 && c < 127) || c == '\r' || c == '\n' || IsCyrillicLetter(c) || c == 0xAB || c == 0xBB;
}

// Widths in the window's fonts are measured by the Windows tests; a name of at most 40
// characters leaves room in all of them.
constexpr std::size_t kMaxFactoryName = 40;

bool IsWare(const Catalogue& c, std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < c.Wares.size(); }
bool IsStation(const Catalogue& c, std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < c.Stations.size(); }

TEST(ShippedTables, FilesAreCp1251TextWithCrLfLinesAndACommentHeader) {
    for (std::string_view file : {kWaresFile, kStationsFile}) {
        SCOPED_TRACE(std::string(file));
        std::string text = ReadText(file);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_EQ(text.substr(0, 2), "//");
        std::string_view firstLine = std::string_view(text).substr(0, text.find('\r'));
        EXPECT_TRUE(std::any_of(firstLine.begin(), firstLine.end(),
                                [](char c) { return IsCyrillicLetter(static_cast<unsigned char>(c)); }))
            << "the header explains the columns in Russian";
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        for (std::size_t i = 0; i < text.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(text[i]);
            ASSERT_TRUE(IsCp1251TextByte(c)) << "byte " << int{c} << " at offset " << i;
            ASSERT_TRUE(c != '\r' || text[i + 1] == '\n') << "a CR without LF at offset " << i;
            ASSERT_TRUE(c != '\n' || text[i - 1] == '\r') << "an LF without CR at offset " << i;
        }
    }
}

TEST(ShippedTables, CountLinesMatchTheRecordLines) {
    const Shipped& t = Tables();
    for (TableFile file : {TableFile::Wares, TableFile::Stations}) {
        const TableSource& source = t.report.Of(file);
        SCOPED_TRACE(std::string(FileName(file)));
        EXPECT_TRUE(source.Read);
        EXPECT_GT(source.CountLine, 0);
        EXPECT_EQ(static_cast<std::size_t>(source.DeclaredCount), source.Records.size());
        EXPECT_EQ(source.ExtraLineCount, 0);
        for (std::size_t k = 0; k < source.Records.size(); ++k) {
            EXPECT_GT(source.Records[k].FileLine, 0) << "record " << k;
            EXPECT_TRUE(source.Records[k].HasSeparator) << "record " << k;
            EXPECT_GE(source.Records[k].FieldCount, file == TableFile::Wares ? kWareFields : kStationFields)
                << "record " << k;
        }
    }
    for (std::size_t k = 0; k < t.report.Wares.Records.size(); ++k)
        EXPECT_TRUE(t.report.Wares.Records[k].FullTime) << "ware " << k;
    EXPECT_EQ(t.catalogue.Wares.size(), t.report.Wares.Records.size());
    EXPECT_GE(t.catalogue.Stations.size(), std::size_t{FactoryList.back()} + 1);
}

TEST(ShippedTables, TimeTextsAreHoursMinutesSecondsRightAfterTheSeparator) {
    LineList lines;
    ASSERT_TRUE(lines.LoadFromFile(kShippedFolder / kWaresFile));
    StripComments(lines);
    ASSERT_GT(lines.Count(), 1);
    auto twoDigits = [](std::string_view part, int below) {
        return part.size() == 2 && std::isdigit(static_cast<unsigned char>(part[0])) &&
               std::isdigit(static_cast<unsigned char>(part[1])) && TextToInt(part) < below;
    };
    for (int k = 1; k < lines.Count(); ++k) {
        std::string_view line = lines.Line(k);
        std::string_view time = line;
        for (int field = 0; field < 5; ++field) {
            std::size_t separator = time.find(';');
            ASSERT_NE(separator, std::string_view::npos) << "line " << k;
            time.remove_prefix(separator + 1);
        }
        while (!time.empty() && time.back() == ' ') time.remove_suffix(1);  // before a comment
        ASSERT_EQ(time.size(), 8u) << "line " << k << ": " << time;
        EXPECT_TRUE(twoDigits(time.substr(0, 2), 100) && time[2] == ':' && twoDigits(time.substr(3, 2), 60) &&
                    time[5] == ':' && twoDigits(time.substr(6, 2), 60))
            << "line " << k << ": " << time;
    }
}

TEST(ShippedTables, WaresHaveOrderedPositivePricesAndCyclesOfMinutesToHours) {
    const WareTable& wares = Tables().catalogue.Wares;
    ASSERT_FALSE(wares.empty());
    std::set<std::string> names;
    for (std::size_t i = 0; i < wares.size(); ++i) {
        const Ware& w = wares[i];
        SCOPED_TRACE("ware " + std::to_string(i));
        EXPECT_FALSE(w.Name.empty());
        EXPECT_TRUE(names.insert(w.Name).second) << "a second ware of the same name";
        EXPECT_GT(w.MinPrice, 0);
        EXPECT_LE(w.MinPrice, w.AvgPrice);
        EXPECT_LE(w.AvgPrice, w.MaxPrice);
        EXPECT_GT(w.UnitsPerCycle, 0);
        EXPECT_GE(w.CycleSeconds, 60);
        EXPECT_LE(w.CycleSeconds, 4 * 3600);
    }
}

TEST(ShippedTables, EveryStationRefersToRecordsThatExist) {
    const Catalogue& c = Tables().catalogue;
    for (std::size_t i = 0; i < c.Stations.size(); ++i) {
        const Station& s = c.Stations[i];
        SCOPED_TRACE("station " + std::to_string(i));
        EXPECT_TRUE(IsWare(c, s.Product));
        EXPECT_GE(s.ResourceCount, 0);
        EXPECT_LE(s.ResourceCount, 3);
        // The price buttons read unused slots too, so every slot names a ware.
        for (int r = 0; r < 3; ++r) {
            EXPECT_TRUE(IsWare(c, s.Resources[r])) << "resource " << r;
            if (r < s.ResourceCount)
                EXPECT_GT(s.ResourceAmounts[r], 0) << "resource " << r;
            else
                EXPECT_EQ(s.ResourceAmounts[r], 0) << "resource " << r;
        }
        for (int k = 0; k < 3; ++k) EXPECT_TRUE(IsStation(c, s.Supports[k])) << "support " << k;
    }
}

TEST(ShippedTables, EveryListedFactoryHeadsAChainOfTheFixedShape) {
    const Catalogue& c = Tables().catalogue;
    ASSERT_GE(c.Stations.size(), std::size_t{FactoryList.back()} + 1);
    for (int item = 0; item < static_cast<int>(kFactoryCount); ++item) {
        SCOPED_TRACE("main station " + std::to_string(FactoryList[item]));
        ASSERT_TRUE(ChainOfItem(c, item)) << "the chain reads outside the tables";
        const Station& main = c.Stations[FactoryList[item]];
        ASSERT_EQ(main.ResourceCount, 3);
        const Station& f1 = c.Stations[main.Supports[0]];
        const Station& f2 = c.Stations[main.Supports[1]];
        const Station& f3 = c.Stations[main.Supports[2]];
        EXPECT_EQ(f1.ResourceCount, 2);
        EXPECT_EQ(f2.ResourceCount, 1);
        EXPECT_EQ(f3.ResourceCount, 1);
        EXPECT_EQ(main.Resources[1], f1.Product) << "support 1 makes the second resource";
        EXPECT_EQ(main.Resources[2], f3.Product) << "support 3 makes the third resource";
        EXPECT_EQ(f1.Resources[1], f2.Product) << "support 2 makes support 1's second resource";
        // The divisors of the calculation.
        for (const Station* s : {&main, &f1, &f2, &f3}) {
            EXPECT_NE(c.Wares[s->Product].CycleSeconds, 0);
            EXPECT_NE(c.Wares[s->Product].UnitsPerCycle, 0);
        }
    }
}

TEST(ShippedTables, StationNamesAreUniqueAndFitTheFactoryComboBox) {
    const StationTable& stations = Tables().catalogue.Stations;
    std::set<std::string> names;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const std::string& name = stations[i].Name;
        SCOPED_TRACE("station " + std::to_string(i));
        EXPECT_TRUE(names.insert(name).second) << "a second station of the same name";
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(TrimBlanks(name), name);
        EXPECT_LE(name.size(), kMaxFactoryName);
        EXPECT_TRUE(IsCyrillicLetter(static_cast<unsigned char>(name[0])));
    }
}

// Each factory as the user first sees it (average prices, all support factories on,
// prices passed on automatically), then "Расчет".
TEST(ShippedTables, MostButNotAllChainsPayAtAveragePrices) {
    const Catalogue& c = Tables().catalogue;
    int losing = 0;
    for (int item = 0; item < static_cast<int>(kFactoryCount); ++item) {
        SCOPED_TRACE("item " + std::to_string(item));
        ChainModel model;
        ASSERT_TRUE(ShowChain(model, c, item));
        std::optional<ChainFigures> figures = CalculateChain(model, c, item);
        ASSERT_TRUE(figures);
        for (const Amount& figure : figures->Results.Values) EXPECT_TRUE(figure.Known()) << "a result without a number";
        EXPECT_NE((*figures)[kChainIncome].Value, 0) << "a chain that neither pays nor loses";
        if ((*figures)[kChainIncome].Value < 0) ++losing;
    }
    EXPECT_GE(losing, 1) << "some chains should not pay";
    EXPECT_LE(losing, static_cast<int>(kFactoryCount) / 4) << losing << " chains lose: most should pay";
}

}  // namespace
