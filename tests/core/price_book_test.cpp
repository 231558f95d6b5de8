#include "calc/price_book.h"

#include <gtest/gtest.h>

#include <string>

#include "base/cp1251.h"

namespace {

// The same book in every form a player's editor may save it.
TEST(PriceBook, ReadsUtf8WithOrWithoutMarkAndCp1251WhateverTheLineEnds) {
    WareTable wares(3);
    wares[0].Name = "Руда";
    wares[1].Name = "Уголь ";  // names are compared trimmed
    wares[2].Name = "Газ";
    const std::string book = "// цены\r\n\r\n Руда ;  30 // сегодня\nУголь;0\rГаз;2147483647";
    struct Case {
        const char* form;
        std::string bytes;
    };
    const Case cases[] = {
        {"CP1251", book},
        {"UTF-8", Cp1251ToUtf8(book)},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + Cp1251ToUtf8(book)},
    };
    for (const Case& c : cases) {
        BookReading reading = ReadPriceBook(c.bytes, wares, {});
        EXPECT_TRUE(reading.Problems.empty()) << c.form << ": " << reading.Problems.front().Message;
        ASSERT_EQ(reading.Book.Entries.size(), 3u) << c.form;
        EXPECT_EQ(reading.Book.Entries[0].Ware, 0);
        EXPECT_EQ(reading.Book.Entries[0].Price, 30);
        EXPECT_EQ(reading.Book.Entries[0].Line, 3) << c.form;
        EXPECT_EQ(reading.Book.Entries[1].Price, 0);
        EXPECT_EQ(reading.Book.Entries[2].Line, 5) << c.form;
        EXPECT_EQ(reading.Book.PriceOfWare.at(2), 2147483647);
    }
    // A CP1251 book is not taken for UTF-8, nor the reverse.
    EXPECT_FALSE(IsUtf8(book));
    EXPECT_TRUE(IsUtf8(Cp1251ToUtf8(book)));
    EXPECT_FALSE(IsUtf8("\xC0\x80"));  // an overlong NUL
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));  // a surrogate
}

}  // namespace
