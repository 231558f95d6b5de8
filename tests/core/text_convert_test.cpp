#include "base/text_convert.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct IntCase {
    const char* text;
    std::int32_t expected;
};

TEST(TrimBlanks, RemovesControlCharactersAndBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimBlanks(" \t\r\n\x01 a b \x1f "), "a b");
    EXPECT_EQ(TrimBlanks(" \t \t"), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("Цех "), "Цех");   // a Cyrillic first letter (code above 127) stays
    EXPECT_EQ(TrimBlanks("\xA0x\xA0"), "\xA0x\xA0");  // the no-break space is not a blank
}

TEST(TextToInt, ReadsSignAndLeadingDigitsOnly) {
    const IntCase cases[] = {
        {"12abc", 12}, {" 12", 0}, {"-5", -5}, {"+7", 7}, {"-", 0}, {"", 0},
        {"abc", 0},    {"007", 7}, {"1 2", 1}, {"--1", 0}, {"2147483647", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToInt(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToInt, NumbersBeyond32BitsReadAsTheNearestLimit) {
    EXPECT_EQ(TextToInt("2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TextToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TextToInt("-99999999999999999999999999"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TextToInt(std::string(1000, '9')), std::numeric_limits<std::int32_t>::max());
}

// The value read and how many characters reading takes.
TEST(FieldToInt, SkipsBlanksAndReadsDecimalOrHexadecimal) {
    struct FieldCase {
        const char* text;
        std::int32_t expected;
        std::size_t length;
    };
    const FieldCase cases[] = {
        {" 12;", 12, 3},  {"$1F", 31, 3},  {"0x1f", 31, 4}, {"0X1F", 31, 4}, {"x10", 16, 3}, {"X10", 16, 3},
        {"-5;", -5, 2},   {"+5", 5, 2},    {"\t5", 0, 0},   {"05", 5, 2},    {"", 0, 0},     {";", 0, 0},
        {"12abc", 12, 2}, {"   ", 0, 3},   {"$", 0, 1},     {"$G", 0, 1},    {"-$1F", 0, 1}, {"0", 0, 1},
        {"0y5", 0, 1},    {"- 5", 0, 1},   {"3З6", 3, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldToInt(c.text), c.expected) << '"' << c.text << '"';
        EXPECT_EQ(FieldNumberLength(c.text), c.length) << '"' << c.text << '"';
    }
}

TEST(FieldToInt, NumbersBeyond32BitsReadAsTheNearestLimit) {
    EXPECT_EQ(FieldToInt("$FFFFFFFFFF"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(FieldToInt("-3000000000;"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(FieldToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(IntToText, WritesPlainDecimalDigits) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-5), "-5");
    EXPECT_EQ(IntToText(1234567), "1234567");
    EXPECT_EQ(IntToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(IntToText(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

TEST(IntToText, RoundTripsThroughTextToInt) {
    for (std::int32_t v : {0, 1, -1, 42, -9999, 2147483647, -2147483647 - 1})
        EXPECT_EQ(TextToInt(IntToText(v)), v);
}

TEST(FormatInts, FormatsLikePrintfPercentD) {
    EXPECT_EQ(FormatInts("%.2d:%.2d:%.2d", 1, 2, 3), "01:02:03");
    EXPECT_EQ(FormatInts("%.2d:%.2d:%.2d", 100, 0, 59), "100:00:59");
    EXPECT_EQ(FormatInts("%d", -7), "-7");
    EXPECT_EQ(FormatInts("[%5d]", 42), "[   42]");
    EXPECT_EQ(FormatInts("[%5.3d] 100%%", -7), "[ -007] 100%");
    EXPECT_EQ(FormatInts("%d из %d", std::numeric_limits<std::int32_t>::min(), 0), "-2147483648 из 0");
}

TEST(FormatInts, CutsTheResultAt1024Characters) {
    EXPECT_EQ(FormatInts("%2000d", 1).size(), 1024u);
}

}  // namespace
