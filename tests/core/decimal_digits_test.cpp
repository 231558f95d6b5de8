#include "base/decimal_digits.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// printf's "%.*e" rounds correctly on every library the tests run with; its digits and
// exponent are the reference.
RoundedDecimal FromPrintf(double value, int count) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", count - 1, value);
    std::string scientific(text);
    const std::size_t e = scientific.find('e');
    RoundedDecimal decimal;
    for (std::size_t i = 0; i < e; ++i)
        if (scientific[i] != '.') decimal.Digits += scientific[i];
    decimal.Exponent = std::atoi(scientific.c_str() + e + 1);
    return decimal;
}

TEST(RoundToSignificantDigits, TiesGoToTheEvenDigitAndNinesCarry) {
    const struct {
        double value;
        int count;
        const char* digits;
        int exponent;
    } cases[] = {
        {2.5, 1, "2", 0},
        {3.5, 1, "4", 0},
        {9.5, 1, "1", 1},
        {100000000000000.5, 15, "100000000000000", 14},
        {100000000000001.5, 15, "100000000000002", 14},
        {999999999999999.5, 15, "100000000000000", 15},
        {0.125, 2, "12", -1},
        {0.375, 2, "38", -1},
        {std::ldexp(1.0, -1074), 3, "494", -324},
        {1.7976931348623157e308, 17, "17976931348623157", 308},
    };
    for (const auto& c : cases) {
        const RoundedDecimal decimal = RoundToSignificantDigits(c.value, c.count);
        EXPECT_EQ(decimal.Digits, c.digits) << c.value;
        EXPECT_EQ(decimal.Exponent, c.exponent) << c.value;
    }
}

TEST(RoundToSignificantDigits, AgreesWithPrintfOverTheWholeRange) {
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        // Every other value a price-like number of cents, the rest any positive finite double.
        double value = i % 2 == 0 ? static_cast<double>(random() % 100000000000) / 100
                                  : std::bit_cast<double>(random() & 0x7fffffffffffffffULL);
        if (!(value > 0) || !std::isfinite(value)) continue;
        const int count = 1 + static_cast<int>(random() % 17);
        const RoundedDecimal expected = FromPrintf(value, count);
        const RoundedDecimal decimal = RoundToSignificantDigits(value, count);
        ASSERT_EQ(decimal.Digits, expected.Digits) << value << " to " << count;
        ASSERT_EQ(decimal.Exponent, expected.Exponent) << value << " to " << count;
    }
}

}  // namespace
