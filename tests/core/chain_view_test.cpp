#include "calc/chain_view.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/example_chain.h"

namespace {

using Texts = std::map<std::string, std::string>;

// Every text of the model under a name that says where it stands.
Texts Flatten(const ChainModel& model) {
    Texts texts;
    const char* slots[] = {"main", "support1", "support2", "support3"};
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) {
        std::string block = slots[slot];
        const FactoryTexts& f = model[slot];
        texts[block + ".name"] = f.Name;
        texts[block + ".sale"] = f.SalePrice;
        texts[block + ".cycle"] = f.Cycle;
        texts[block + ".output"] = f.Output;
        for (std::size_t row = 0; row < kResourceRows; ++row) {
            std::string cell = block + ".row" + std::to_string(row);
            texts[cell + ".name"] = f.Rows[row].Name;
            texts[cell + ".quantity"] = f.Rows[row].Quantity;
            texts[cell + ".price"] = f.Rows[row].Price;
        }
    }
    texts["results.main"] = model.Results[kMainCost];
    texts["results.chain"] = model.Results[kChainIncome];
    return texts;
}

// A model in which every text is different, so that any write shows.
ChainModel Marked() {
    ChainModel model;
    int n = 0;
    auto mark = [&n](std::string& text) { text = std::to_string(++n) + "#"; };
    for (FactoryTexts& f : model.Factories) {
        for (std::string* text : {&f.Name, &f.SalePrice, &f.Cycle, &f.Output}) mark(*text);
        for (ResourceRowTexts& row : f.Rows)
            for (std::string* text : {&row.Name, &row.Quantity, &row.Price}) mark(*text);
    }
    mark(model.Results[kMainCost]);
    mark(model.Results[kChainIncome]);
    return model;
}

// The places where two models differ, with the new text.
Texts Changes(const ChainModel& before, const ChainModel& after) {
    Texts changes;
    Texts old = Flatten(before);
    for (const auto& [place, text] : Flatten(after))
        if (old[place] != text) changes[place] = text;
    return changes;
}

TEST(ShowChain, FillsEveryBlockAtAveragePrices) {
    Catalogue catalogue = example::Chain();
    ChainModel model;
    ASSERT_TRUE(ShowChain(model, catalogue, 0));
    Texts expected = {
        {"main.name", "Завод"},         {"main.sale", "100"},          {"main.cycle", "00:10:00"},
        {"main.output", "10"},          {"main.row0.name", "Руда"},    {"main.row0.quantity", "5"},
        {"main.row0.price", "20"},      {"main.row1.name", "Деталь"},  {"main.row1.quantity", "2"},
        {"main.row1.price", "12"},      {"main.row2.name", "Топливо"}, {"main.row2.quantity", "1"},
        {"main.row2.price", "70"},      {"support1.name", "Цех деталей"}, {"support1.sale", "12"},
        {"support1.cycle", "00:20:00"}, {"support1.output", "4"},      {"support1.row0.name", "Уголь"},
        {"support1.row0.quantity", "10"}, {"support1.row0.price", "3"}, {"support1.row1.name", "Сплав"},
        {"support1.row1.quantity", "1"}, {"support1.row1.price", "3"}, {"support2.name", "Плавильня"},
        {"support2.sale", "3"},         {"support2.cycle", "00:05:00"}, {"support2.output", "5"},
        {"support2.row0.name", "Вода"}, {"support2.row0.quantity", "2"}, {"support2.row0.price", "10"},
        {"support3.name", "Нефтебаза"}, {"support3.sale", "70"},       {"support3.cycle", "00:15:00"},
        {"support3.output", "2"},       {"support3.row0.name", "Газ"}, {"support3.row0.quantity", "4"},
        {"support3.row0.price", "25"},
    };
    Texts shown = Flatten(model);
    for (const auto& [place, text] : expected) EXPECT_EQ(shown[place], text) << place;
    // Unlisted rows stay empty and the results keep their first texts.
    EXPECT_EQ(shown["support1.row2.name"], "");
    EXPECT_EQ(shown["support3.row1.price"], "");
    EXPECT_EQ(shown["results.main"], "0");
}

TEST(ShowChain, WritesCycleTimesAsHoursMinutesSeconds) {
    for (auto [seconds, text] : {std::pair{3723, "01:02:03"}, {360000, "100:00:00"}, {0, "00:00:00"}, {59, "00:00:59"}}) {
        Catalogue catalogue = example::Chain();
        catalogue.Wares[example::kMainProduct].CycleSeconds = seconds;
        ChainModel model;
        ASSERT_TRUE(ShowChain(model, catalogue, 0));
        EXPECT_EQ(model[kMain].Cycle, text);
    }
}

TEST(ShowChain, EmptiesRowsAFactoryWithFewerResourcesDoesNotList) {
    Catalogue catalogue = example::Chain();
    Station single = catalogue.Stations[3];
    single.Name = "Мастерская";
    single.ResourceCount = 1;
    catalogue.Stations.push_back(single);  // station 4, combo-box item 1
    ChainModel model;
    ASSERT_TRUE(ShowChain(model, catalogue, 0));
    ASSERT_TRUE(ShowChain(model, catalogue, 1));
    EXPECT_EQ(model[kMain].Name, "Мастерская");
    EXPECT_EQ(model[kMain].Rows[0].Name, "Руда");
    for (std::size_t row : {1, 2}) {
        EXPECT_EQ(model[kMain].Rows[row].Name, "");
        EXPECT_EQ(model[kMain].Rows[row].Quantity, "");
        EXPECT_EQ(model[kMain].Rows[row].Price, "");
    }
}

TEST(ShowChain, ChoosingAgainBringsBackAveragePrices) {
    Catalogue catalogue = example::Chain();
    ChainModel model;
    ASSERT_TRUE(ShowChain(model, catalogue, 0));
    ChainModel shown = model;
    model[kMain].SalePrice = "5";
    model[kSupport2].Rows[0].Price = "999";
    model.ManualPrices = true;
    model[kSupport2].Active = false;
    ASSERT_TRUE(ShowChain(model, catalogue, 0));
    EXPECT_TRUE(Changes(shown, model).empty());
    EXPECT_TRUE(model.ManualPrices);  // check boxes are not the display's business
    EXPECT_FALSE(model[kSupport2].Active);
}

struct LevelCase {
    PriceLevel level;
    Texts resourceCells;
    Texts productPlaces;
};

const LevelCase kLevels[] = {
    {PriceLevel::Minimum,
     {{"main.row0.price", "15"}, {"main.row1.price", "10"}, {"main.row2.price", "60"}, {"support1.row0.price", "2"},
      {"support1.row1.price", "2"}, {"support2.row0.price", "8"}, {"support3.row0.price", "20"}},
     {{"main.sale", "80"}, {"support1.sale", "10"}, {"support2.sale", "2"}, {"support3.sale", "60"},
      {"main.row1.price", "10"}, {"main.row2.price", "60"}}},
    {PriceLevel::Average,
     {{"main.row0.price", "20"}, {"main.row1.price", "12"}, {"main.row2.price", "70"}, {"support1.row0.price", "3"},
      {"support1.row1.price", "3"}, {"support2.row0.price", "10"}, {"support3.row0.price", "25"}},
     {{"main.sale", "100"}, {"support1.sale", "12"}, {"support2.sale", "3"}, {"support3.sale", "70"},
      {"main.row1.price", "12"}, {"main.row2.price", "70"}}},
    {PriceLevel::Maximum,
     {{"main.row0.price", "25"}, {"main.row1.price", "14"}, {"main.row2.price", "80"}, {"support1.row0.price", "4"},
      {"support1.row1.price", "5"}, {"support2.row0.price", "12"}, {"support3.row0.price", "30"}},
     {{"main.sale", "120"}, {"support1.sale", "14"}, {"support2.sale", "5"}, {"support3.sale", "80"},
      {"main.row1.price", "14"}, {"main.row2.price", "80"}}},
};

TEST(SetResourcePrices, WritesExactlyItsSevenCells) {
    Catalogue catalogue = example::Chain();
    for (const LevelCase& c : kLevels) {
        ChainModel before = Marked();
        ChainModel model = before;
        ASSERT_TRUE(SetResourcePrices(model, catalogue, 0, c.level));
        EXPECT_EQ(Changes(before, model), c.resourceCells) << static_cast<int>(c.level);
    }
}

TEST(SetProductPrices, WritesExactlyItsSixPlaces) {
    Catalogue catalogue = example::Chain();
    for (const LevelCase& c : kLevels) {
        ChainModel before = Marked();
        ChainModel model = before;
        ASSERT_TRUE(SetProductPrices(model, catalogue, 0, c.level));
        EXPECT_EQ(Changes(before, model), c.productPlaces) << static_cast<int>(c.level);
    }
}

TEST(SetResourcePrices, IgnoresResourceCountAndLastPressWins) {
    Catalogue catalogue = example::Chain();
    catalogue.Stations[3].ResourceCount = 2;  // row 2 still gets the price of its ware
    ChainModel pressedTwice = Marked();
    ChainModel pressedOnce = pressedTwice;
    ASSERT_TRUE(SetResourcePrices(pressedTwice, catalogue, 0, PriceLevel::Maximum));
    ASSERT_TRUE(SetResourcePrices(pressedTwice, catalogue, 0, PriceLevel::Minimum));
    ASSERT_TRUE(SetResourcePrices(pressedOnce, catalogue, 0, PriceLevel::Minimum));
    EXPECT_TRUE(Changes(pressedOnce, pressedTwice).empty());
    EXPECT_EQ(pressedOnce[kMain].Rows[2].Price, "60");
}

TEST(SetProductPrices, PricesSupportsOneAndThreeAsTheMainFactoryBuysThem) {
    Catalogue catalogue = example::Chain();
    catalogue.Stations[3].Resources = {example::kOre, example::kGas, example::kWater};
    ChainModel model;
    ASSERT_TRUE(SetProductPrices(model, catalogue, 0, PriceLevel::Maximum));
    EXPECT_EQ(model[kSupport1].SalePrice, "30");  // gas, not support 1's product
    EXPECT_EQ(model[kSupport3].SalePrice, "12");  // water, not support 3's product
    EXPECT_EQ(model[kMain].Rows[1].Price, "30");
    EXPECT_EQ(model[kMain].Rows[2].Price, "12");
}

TEST(ChainView, AnItemWithoutAChainChangesNothing) {
    Catalogue catalogue = example::Chain();
    catalogue.Stations[3].Supports[2] = 4;
    const ChainModel before = Marked();
    for (int item : {-1, 0, 1, 96}) {
        ChainModel model = before;
        EXPECT_FALSE(ShowChain(model, catalogue, item));
        EXPECT_FALSE(SetResourcePrices(model, catalogue, item, PriceLevel::Minimum));
        EXPECT_FALSE(SetProductPrices(model, catalogue, item, PriceLevel::Maximum));
        EXPECT_TRUE(Changes(before, model).empty()) << item;
    }
}

}  // namespace
