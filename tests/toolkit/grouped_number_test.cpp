#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/cp1251.h"
#include "toolkit/grouped_number.h"

namespace {

TEST(GroupedNumberTest, OnlyANumberWithGroupedDigitsLosesItsMarks) {
    struct Case {
        const wchar_t* text;
        std::optional<std::wstring> number;  // none: the text keeps its reading
    } cases[] = {
        {L"8 500", L"8500"},
        {L"8\u00A0500", L"8500"},
        {L"8\u202F500", L"8500"},
        {L"1 250 000", L"1250000"},
        {L"12\u202F345\u00A0678", L"12345678"},
        {L"123 456", L"123456"},
        {L"0 500", L"0500"},
        {L" \u00A08 500\u202F ", L"8500"},
        {L"-8 500", L"-8500"},
        {L"+8\u202F500", L"+8500"},
        {L"8500", std::nullopt},
        {L" 8500 ", std::nullopt},
        {L"", std::nullopt},
        {L" \u202F", std::nullopt},
        {L"-", std::nullopt},
        {L"8 500 руб", std::nullopt},
        {L"12 34 5x", std::nullopt},
        {L"8 50", std::nullopt},
        {L"8 5000", std::nullopt},
        {L"1234 567", std::nullopt},
        {L"8  500", std::nullopt},
        {L"8 500,50", std::nullopt},
        {L"8\t500", std::nullopt},
        {L"- 8 500", std::nullopt},
        {L"x8 500", std::nullopt},
        {L"8 500-", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(UngroupedNumber(c.text), c.number) << WideToCp1251(c.text);
}

}  // namespace
