#include "base/name_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kNames = {
    "Станкостроительный завод «Каменск»", "Котельный завод «Белозёрск»", "Котельный завод «Кедровый»",
    "Лесопилка", "", "Лесопилка «Ярцево»", "Мёд", "Лёд", "Мод", "Котельный завод «Белозёрск»",
};

TEST(NameMatch, WholeNamesBeatPartsAPartMustFitOneName) {
    using Found = NameSearch::Found;
    struct Case {
        const char* typed;
        Found result;
        std::vector<std::size_t> names;
    };
    const Case cases[] = {
        {"Станкостроительный завод «Каменск»", Found::One, {0}},
        {"СТАНКОСТРОИТЕЛЬНЫЙ  ЗАВОД\xA0«КАМЕНСК»", Found::One, {0}},  // case and blanks
        {"каменск", Found::One, {0}},                                 // a part
        {"кедр", Found::One, {2}},
        {"лесопилка", Found::One, {3}},         // the whole name beats the longer one it is part of
        {"завод", Found::Several, {0, 1, 2, 9}},
        {"белозерск", Found::Several, {1, 9}},  // ё as е; the name stands twice
        {"мед", Found::One, {6}},
        {"Котельный завод «Кедровй»", Found::None, {2}},  // within two edits
        {"Лесапилко", Found::None, {3}},
        {"Мяд", Found::None, {6, 8, 7}},  // the nearest first, in list order among equals
        {"Сталь", Found::None, {}},
        {"", Found::None, {}},
    };
    for (const Case& c : cases) {
        NameSearch search = FindName(kNames, c.typed);
        EXPECT_EQ(search.Result, c.result) << c.typed;
        EXPECT_EQ(search.Names, c.names) << c.typed;
    }
}

TEST(NameMatch, NamesMeantPreferANameEqualButForCaseYoAndBlanks) {
    EXPECT_EQ(NamesMeant(kNames, "мёд", 3), (std::vector<std::size_t>{6}));
    EXPECT_EQ(NamesMeant(kNames, "Мядд", 3), (std::vector<std::size_t>{6, 8}));
    EXPECT_EQ(NamesMeant(kNames, "Мядд", 1), (std::vector<std::size_t>{6}));
    EXPECT_EQ(NameKey("Ёлка\xA0 Зелёная\t"), "елказеленая");
}

}  // namespace
