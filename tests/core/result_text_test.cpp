#include "calc/result_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(RealToText, FifteenSignificantDigitsWithoutExponent) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {118080.0, "118080"},
        {-2500.0, "-2500"},
        {0.5, "0.5"},
        {12.25, "12.25"},
        {1234567890123456789.0, "1234567890123460000"},
        {999999999999999.0, "999999999999999"},
        {0.000125, "0.000125"},
        {1.0 / 3.0, "0.333333333333333"},
        {-9223372036854775808.0, "-9223372036854780000"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(RealToText(value), text) << value;
}

TEST(RealToText, HugeValuesAreWrittenOutInFull) {
    EXPECT_EQ(RealToText(1e300), "1" + std::string(300, '0'));
}

TEST(RealToText, WholeNumbersBelow1e15ShowTheirIntegerDigits) {
    for (long long v : {1LL, -1LL, 86400LL, 100272LL, -123456789012345LL, 999999999999999LL})
        EXPECT_EQ(RealToText(static_cast<double>(v)), std::to_string(v));
}

TEST(CycleTimeText, ShowsHoursMinutesSecondsWithUnboundedHours) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "00:00:00"},     {59, "00:00:59"},       {90, "00:01:30"},     {3600, "01:00:00"},
        {3723, "01:02:03"},  {86399, "23:59:59"},    {360000, "100:00:00"},
        {-3723, "-01:02:03"}, {std::numeric_limits<std::int32_t>::min(), "-596523:14:08"},
    };
    for (const auto& [seconds, text] : cases) EXPECT_EQ(CycleTimeText(seconds), text) << seconds;
}

}  // namespace
