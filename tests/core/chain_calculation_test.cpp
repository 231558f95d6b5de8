#include "calc/chain_calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/chain_view.h"
#include "core/amount_texts.h"
#include "core/example_chain.h"

namespace {

std::vector<std::string> Labels(const ChainModel& model) {
    return {model.Results.Values.begin(), model.Results.Values.end()};
}

using Labels7 = std::vector<std::string>;

// The example chain as the window shows it right after the factory is chosen.
struct Calculation : testing::Test {
    Catalogue catalogue = example::Chain();
    ChainModel model;

    void SetUp() override { ASSERT_TRUE(ShowChain(model, catalogue, 0)); }
    void Calculate() { ASSERT_TRUE(CalculateChain(model, catalogue, 0)); }
    void Reshow() { ASSERT_TRUE(ShowChain(model, catalogue, 0)); }
};

TEST_F(Calculation, WorkedExample) {
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{"180", "17", "40", "66", "303", "118080", "100272"}));
    EXPECT_EQ(model[kSupport2].SalePrice, "4");
    EXPECT_EQ(model[kSupport1].Rows[1].Price, "4");
    EXPECT_EQ(model[kSupport1].SalePrice, "10");
    EXPECT_EQ(model[kMain].Rows[1].Price, "10");
    EXPECT_EQ(model[kSupport3].SalePrice, "60");
    EXPECT_EQ(model[kMain].Rows[2].Price, "60");
    EXPECT_EQ(model[kMain].SalePrice, "100");  // read, never written
}

TEST_F(Calculation, FiguresAreTheNumbersTheLabelsShow) {
    std::optional<ChainFigures> figures = CalculateChain(model, catalogue, 0);
    ASSERT_TRUE(figures);
    EXPECT_EQ((*figures)[kSupport3Cost].Value, 66);
    EXPECT_EQ((*figures)[kTotalCost].Value, 303);
    EXPECT_EQ((*figures)[kChainIncome].Value, 100272);
    EXPECT_TRUE((*figures)[kChainIncome].Known());
    // The working behind them, unrounded.
    const ChainWorking& w = figures->Working;
    EXPECT_EQ(w.Factories[kSupport3].CostPerMainCycle.Value, 600.0 * 100 / 900);
    EXPECT_EQ(w.Factories[kSupport1].UnitCost.Value, 8.5);
    EXPECT_TRUE(w.Factories[kSupport1].MinimumTaken);
    EXPECT_FALSE(w.Factories[kSupport2].MinimumTaken);
    EXPECT_EQ(w.Factories[kMain].CycleCost.Value, 180);
    EXPECT_EQ(w.TotalCost.Value, 180 + 17 + 40 + 600.0 * 100 / 900);
    EXPECT_EQ(w.Revenue.Value, 1000);
    EXPECT_EQ(w.DayFactor.Value, 144);
    EXPECT_EQ(w.ChainIncomePerCycle.Value, 820 - 17 - 40 - 600.0 * 100 / 900);
}

TEST_F(Calculation, RunningTwiceGivesTheSameResults) {
    Calculate();
    ChainModel once = model;
    Calculate();
    EXPECT_EQ(Labels(model), Labels(once));
    EXPECT_EQ(model[kMain].Rows[1].Price, once[kMain].Rows[1].Price);
}

TEST_F(Calculation, ManualModeUsesThePricesAsTheyStandAndWritesOnlyResults) {
    model.ManualPrices = true;
    model[kSupport1].SalePrice = "777";
    model[kSupport2].SalePrice = "abc";
    model[kSupport3].SalePrice = "";
    ChainModel before = model;
    Calculate();
    // Average prices from the display: main rows 1, 2 at 12 and 70, support 1 row 1 at 3.
    EXPECT_EQ(Labels(model), (Labels7{"194", "16", "40", "66", "317", "116064", "98328"}));
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) {
        EXPECT_EQ(model[slot].SalePrice, before[slot].SalePrice) << slot;
        for (std::size_t row = 0; row < kResourceRows; ++row)
            EXPECT_EQ(model[slot].Rows[row].Price, before[slot].Rows[row].Price) << slot << row;
    }
}

TEST_F(Calculation, AllSupportsInactiveCostNothingAndPassOnAtMinimumPrices) {
    for (FactorySlot support : {kSupport1, kSupport2, kSupport3}) model[support].Active = false;
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{"180", "0", "0", "0", "180", "118080", "118080"}));
    EXPECT_EQ(model[kSupport2].SalePrice, "2");
    EXPECT_EQ(model[kSupport1].Rows[1].Price, "2");
    EXPECT_EQ(model[kSupport1].SalePrice, "10");
    EXPECT_EQ(model[kMain].Rows[1].Price, "10");
    EXPECT_EQ(model[kSupport3].SalePrice, "60");
    EXPECT_EQ(model[kMain].Rows[2].Price, "60");
}

TEST_F(Calculation, SupportOneInactiveButTwoActive) {
    model[kSupport1].Active = false;
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{"180", "0", "40", "66", "286", "118080", "102720"}));
    EXPECT_EQ(model[kSupport1].Rows[1].Price, "4");  // still fed, though support 1 counts 0
    EXPECT_EQ(model[kSupport1].SalePrice, "10");
}

TEST_F(Calculation, UnitCostEqualToTheMinimumPriceGivesThatPrice) {
    model[kSupport1].Rows[0] = {"Уголь", "9", "4"};  // 36 + 4 = 40 over 4 units: exactly 10
    Calculate();
    EXPECT_EQ(model[kSupport1].SalePrice, "10");
    EXPECT_EQ(model[kMain].Rows[1].Price, "10");
    EXPECT_EQ(model.Results[kSupport1Cost], "20");
}

TEST_F(Calculation, FractionalTransferPriceIsTruncatedAndFedOn) {
    catalogue.Wares[example::kProduct1].UnitsPerCycle = 3;
    catalogue.Wares[example::kProduct1].MinPrice = 0;
    Reshow();
    model[kSupport1].Rows[0].Quantity = "249";
    model[kSupport1].Rows[0].Price = "4";  // 996 + 4 = 1000 over 3 units
    Calculate();
    EXPECT_EQ(model[kSupport1].SalePrice, "333");
    EXPECT_EQ(model[kMain].Rows[1].Price, "333");
    EXPECT_EQ(Labels(model), (Labels7{"826", "500", "40", "66", "1432", "25056", "-62304"}));
}

TEST_F(Calculation, EmptySalePriceGivesNegativeIncomes) {
    model[kMain].SalePrice = "";
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{"180", "17", "40", "66", "303", "-25920", "-43728"}));
}

TEST_F(Calculation, TextsReadAsTheirLeadingDigits) {
    model[kMain].SalePrice = "100руб";
    model[kMain].Rows[0] = {"Руда", "5шт", "20 "};
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{"180", "17", "40", "66", "303", "118080", "100272"}));
}

TEST_F(Calculation, ARowWithoutQuantityAddsNothingWhateverItsPrice) {
    model[kSupport3].Rows[1] = {"", "", "2147483647"};
    model[kSupport3].Rows[2] = {"", "0", kNoData};
    Calculate();
    EXPECT_EQ(model.Results[kSupport3Cost], "66");
}

TEST(TransferPrice, IsTheUnitCostButNeverBelowTheMinimumPrice) {
    struct Case {
        std::int32_t cost, units, minimum;
        double price;
        bool minimumTaken;
    };
    for (Case c : {Case{20, 5, 2, 4, false}, Case{34, 4, 10, 10, true}, Case{40, 4, 10, 10, true},
                   Case{1000, 3, 0, 1000.0 / 3, false}, Case{0, 5, 7, 7, true}, Case{0, 5, -3, 0, false},
                   Case{-10, 2, -8, -5, false}}) {
        Ware product{"", c.minimum, 0, 0, c.units, 1};
        Transfer transfer = TransferPrice({static_cast<double>(c.cost), Fault::None}, product);
        EXPECT_TRUE(transfer.Price.Known());
        EXPECT_EQ(transfer.Price.Value, c.price) << c.cost << "/" << c.units << " min " << c.minimum;
        EXPECT_EQ(transfer.UnitCost.Value, static_cast<double>(c.cost) / c.units) << c.cost << "/" << c.units;
        EXPECT_EQ(transfer.MinimumTaken, c.minimumTaken) << c.cost << "/" << c.units << " min " << c.minimum;
    }
}

TEST(CycleCost, SumsAllThreeRowsInThirtyTwoBits) {
    struct Case {
        std::vector<ResourceRowTexts> rows;
        bool active;
        std::string cost;
    };
    const std::vector<Case> cases = {
        {{{"", "5", "20"}, {"", "2", "10"}, {"", "1", "60"}}, true, "180"},
        {{{"", "5", "20"}, {"", "2", "10"}, {"", "1", "60"}}, false, "0"},
        {{{"", "", "20"}, {"", "2", ""}, {"", "1", "x"}}, true, "0"},
        {{{"", "1", "2147483647"}}, true, "2147483647"},
        {{{"", "-1", "2147483647"}, {"", "-1", "1"}}, true, "-2147483648"},
        {{{"", "1", "2147483647"}, {"", "1", "1"}}, true, kOverflow},
        {{{"", "100000", "100000"}}, true, kOverflow},
        // A partial sum outside the range overflows even when later rows bring it back.
        {{{"", "1", "2000000000"}, {"", "1", "2000000000"}, {"", "-1", "2000000000"}}, true, kOverflow},
        {{{"", "1", "5"}, {"", "1", kOverflow}}, true, kOverflow},
        {{{"", "1", kNoData}, {"", "100000", "100000"}}, true, kNoData},
        {{{"", "1", kNoData}}, false, "0"},
    };
    for (const Case& c : cases) {
        FactoryTexts factory;
        for (std::size_t row = 0; row < c.rows.size(); ++row) factory.Rows[row] = c.rows[row];
        EXPECT_EQ(IntegerText(CycleCost(factory, c.active)), c.cost) << c.rows[0].Quantity << " x " << c.rows[0].Price;
    }
}

// Values beyond 32 bits and zero divisors show as a text instead of a number, in every
// label that depends on them, and nowhere else.
TEST_F(Calculation, MainCostOverflowReachesTotalAndIncomes) {
    model[kMain].Rows[0].Quantity = "100000";
    model[kMain].Rows[0].Price = "100000";
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{kOverflow, "17", "40", "66", kOverflow, kOverflow, kOverflow}));
}

TEST_F(Calculation, RevenueOverflowReachesOnlyTheIncomes) {
    model[kMain].SalePrice = "2147483647";
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{"180", "17", "40", "66", "303", kOverflow, kOverflow}));
}

TEST_F(Calculation, ScaledCostBeyondThirtyTwoBitsShowsOverflowButTheIncomeStillFits) {
    catalogue.Wares[example::kMainProduct].CycleSeconds = 2000000000;
    catalogue.Wares[example::kProduct1].CycleSeconds = 1;
    Calculate();
    // s1 = 2e9 * 34 / 1 = 6.8e10; the chain income per day is 86400 / 2e9 * (income - s1 - ...).
    EXPECT_EQ(model.Results[kSupport1Cost], kOverflow);
    EXPECT_EQ(model.Results[kTotalCost], kOverflow);
    EXPECT_EQ(model.Results[kMainCost], "180");
    EXPECT_EQ(model.Results[kMainIncome], "0");  // 820 * 4.32e-5 per day
    EXPECT_EQ(model.Results[kChainIncome], "-2952959");
}

TEST_F(Calculation, TransferPriceBeyondThirtyTwoBitsIsFedAsOverflow) {
    catalogue.Wares[example::kProduct2].UnitsPerCycle = -1;
    catalogue.Wares[example::kProduct2].MinPrice = -5;
    Reshow();
    model[kSupport2].Rows[0] = {"Вода", "1", "-2147483648"};   // cost -2^31, unit cost 2^31
    Calculate();
    EXPECT_EQ(model[kSupport2].SalePrice, kOverflow);
    EXPECT_EQ(model[kSupport1].Rows[1].Price, kOverflow);
    EXPECT_EQ(model[kSupport1].SalePrice, kOverflow);
    EXPECT_EQ(model[kMain].Rows[1].Price, kOverflow);
    EXPECT_EQ(Labels(model)[0], kOverflow);
}

TEST_F(Calculation, ZeroUnitsOfSupportTwoLeaveItsConsumersWithoutData) {
    catalogue.Wares[example::kProduct2].UnitsPerCycle = 0;
    Calculate();
    EXPECT_EQ(model[kSupport2].SalePrice, kNoData);
    EXPECT_EQ(model[kSupport1].Rows[1].Price, kNoData);
    EXPECT_EQ(model[kSupport1].SalePrice, kNoData);
    EXPECT_EQ(model[kMain].Rows[1].Price, kNoData);
    EXPECT_EQ(model[kSupport3].SalePrice, "60");
    EXPECT_EQ(Labels(model), (Labels7{kNoData, kNoData, "40", "66", kNoData, kNoData, kNoData}));
}

TEST_F(Calculation, ZeroUnitsMatterEvenForAnInactiveSupport) {
    catalogue.Wares[example::kProduct3].UnitsPerCycle = 0;
    model[kSupport3].Active = false;
    Calculate();
    EXPECT_EQ(model[kMain].Rows[2].Price, kNoData);
    EXPECT_EQ(Labels(model), (Labels7{kNoData, "17", "40", "0", kNoData, kNoData, kNoData}));
}

TEST_F(Calculation, ZeroUnitsInManualModeAreNeverShown) {
    catalogue.Wares[example::kProduct2].UnitsPerCycle = 0;
    model.ManualPrices = true;
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{"194", "16", "40", "66", "317", "116064", "98328"}));
}

TEST_F(Calculation, AFaultTextLeftInACellCountsAsThatFault) {
    catalogue.Wares[example::kProduct2].UnitsPerCycle = 0;
    Calculate();
    catalogue.Wares[example::kProduct2].UnitsPerCycle = 5;
    model.ManualPrices = true;
    Calculate();
    EXPECT_EQ(model.Results[kSupport1Cost], kNoData);
    model.ManualPrices = false;
    Calculate();
    EXPECT_EQ(Labels(model), (Labels7{"180", "17", "40", "66", "303", "118080", "100272"}));
}

TEST_F(Calculation, ZeroCycleTimes) {
    struct Case {
        example::WareIndex ware;
        Labels7 labels;
    };
    for (const Case& c : {Case{example::kMainProduct, {"180", "0", "0", "0", "180", kNoData, kNoData}},
                          Case{example::kProduct1, {"180", kNoData, "40", "66", kNoData, "118080", kNoData}},
                          Case{example::kProduct3, {"180", "17", "40", kNoData, kNoData, "118080", kNoData}}}) {
        Catalogue changed = example::Chain();
        changed.Wares[c.ware].CycleSeconds = 0;
        ChainModel shown;
        ASSERT_TRUE(ShowChain(shown, changed, 0));
        ASSERT_TRUE(CalculateChain(shown, changed, 0));
        EXPECT_EQ(Labels(shown), c.labels) << c.ware;
    }
}

TEST_F(Calculation, NoDataOutranksOverflow) {
    catalogue.Wares[example::kMainProduct].CycleSeconds = 0;
    model[kMain].Rows[0].Quantity = "100000";
    model[kMain].Rows[0].Price = "100000";
    Calculate();
    EXPECT_EQ(model.Results[kMainCost], kOverflow);
    EXPECT_EQ(model.Results[kMainIncome], kNoData);
}

TEST(CalculateChain, AnItemWithoutAChainChangesNothing) {
    Catalogue catalogue = example::Chain();
    ChainModel model;
    model.Results[kMainCost] = "5";
    EXPECT_FALSE(CalculateChain(model, catalogue, -1));
    EXPECT_FALSE(CalculateChain(model, catalogue, 1));  // station 4 is not in the table
    EXPECT_EQ(model.Results[kMainCost], "5");
}

}  // namespace
