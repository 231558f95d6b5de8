#include "calc/amount.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/amount_texts.h"

namespace {

Amount Known(double value) { return {value, Fault::None}; }

TEST(Amount, ArithmeticCarriesTheStrongerFault) {
    Amount overflow = Missing(Fault::Overflow), noData = Missing(Fault::NoData);
    EXPECT_EQ((Known(6) / Known(4)).Value, 1.5);
    EXPECT_EQ((Known(6) / Known(0)).Problem, Fault::NoData);
    EXPECT_EQ((Known(0) / Known(0)).Problem, Fault::NoData);
    EXPECT_EQ((overflow / Known(0)).Problem, Fault::NoData);
    EXPECT_EQ((overflow + Known(1)).Problem, Fault::Overflow);
    EXPECT_EQ((Known(1) - noData).Problem, Fault::NoData);
    EXPECT_EQ((overflow * noData).Problem, Fault::NoData);
    EXPECT_EQ((noData * overflow).Problem, Fault::NoData);
    EXPECT_EQ((Known(1e300) * Known(1e300)).Problem, Fault::Overflow);
}

TEST(Amount, IntegerTextTruncatesTowardZeroWithinThirtyTwoBits) {
    struct Case {
        double value;
        std::string text;
    };
    for (Case c : {Case{0, "0"}, Case{66.67, "66"}, Case{-0.7, "0"}, Case{-66.67, "-66"},
                   Case{2147483647.9, "2147483647"}, Case{-2147483648.9, "-2147483648"},
                   Case{2147483648.0, kOverflow}, Case{-2147483649.0, kOverflow}, Case{1e20, kOverflow},
                   Case{std::numeric_limits<double>::infinity(), kOverflow},
                   Case{std::numeric_limits<double>::quiet_NaN(), kOverflow}})
        EXPECT_EQ(IntegerText(Known(c.value)), c.text) << c.value;
    EXPECT_EQ(IntegerText(Missing(Fault::NoData)), kNoData);
}

TEST(Amount, WholeRealTextTruncatesWithinSixtyFourBits) {
    struct Case {
        double value;
        std::string text;
    };
    for (Case c : {Case{118080, "118080"}, Case{100272.9, "100272"}, Case{-0.7, "0"}, Case{-2500.5, "-2500"},
                   Case{1234567890123456789.0, "1234567890123460000"}, Case{-0x1p63, "-9223372036854780000"},
                   Case{0x1p63, kOverflow}, Case{-1e19, kOverflow},
                   Case{std::numeric_limits<double>::quiet_NaN(), kOverflow}})
        EXPECT_EQ(WholeRealText(Known(c.value)), c.text) << c.value;
    EXPECT_EQ(WholeRealText(Missing(Fault::Overflow)), kOverflow);
    EXPECT_EQ(UnroundedText(Known(100272.9)), "100272.9");
    EXPECT_EQ(UnroundedText(Known(-200.0 / 3)), "-66.6666666666667");
    EXPECT_EQ(UnroundedText(Missing(Fault::NoData)), kNoData);
}

TEST(Amount, ReadsFaultTextsBackAsFaultsAndOtherTextsAsNumbers) {
    EXPECT_EQ(ReadAmount(kNoData).Problem, Fault::NoData);
    EXPECT_EQ(ReadAmount(kOverflow).Problem, Fault::Overflow);
    EXPECT_EQ(ReadAmount("12abc").Value, 12);
    EXPECT_EQ(ReadAmount("").Value, 0);
    EXPECT_EQ(ReadAmount(" 5").Value, 0);
    EXPECT_EQ(ReadAmount("-2147483648").Value, -2147483648.0);
    EXPECT_TRUE(ReadAmount(kNoData + " ").Known());  // only the exact text is a fault
}

}  // namespace
