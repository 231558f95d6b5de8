#include "calc/price_book.h"

#include <gtest/gtest.h>

#include <string>

#include "base/cp1251.h"

namespace {

// UTF-16 code units of CP1251 text in the given byte order, each character one unit.
std::string Utf16(const std::string& cp1251, bool bigEndian) {
    std::string bytes;
    for (char c : cp1251) {
        char32_t unit = Cp1251ToCodePoint(static_cast<unsigned char>(c));
        char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// The same book in every form a player's editor may save it.
TEST(PriceBook, ReadsEveryEncodingNotepadSavesWhateverTheLineEnds) {
    WareTable wares(3);
    wares[0].Name = "Руда";
    wares[1].Name = "Уголь ";  // names are compared trimmed
    wares[2].Name = "Газ";
    const std::string book = "// цены\r\n\r\n Руда ;  30 // сегодня\nУголь;0\rГаз;2147483647";
    struct Case {
        const char* form;
        std::string bytes;
        BookEncoding encoding;
    };
    const Case cases[] = {
        {"CP1251", book, BookEncoding::Cp1251},
        {"UTF-8", Cp1251ToUtf8(book), BookEncoding::Utf8},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + Cp1251ToUtf8(book), BookEncoding::Utf8},
        {"UTF-16 LE", "\xFF\xFE" + Utf16(book, false), BookEncoding::Utf16LittleEndian},
        {"UTF-16 BE", "\xFE\xFF" + Utf16(book, true), BookEncoding::Utf16BigEndian},
    };
    for (const Case& c : cases) {
        BookReading reading = ReadPriceBook(c.bytes, wares, {});
        EXPECT_TRUE(reading.Problems.empty()) << c.form << ": " << reading.Problems.front().Message;
        EXPECT_EQ(reading.Encoding, c.encoding) << c.form;
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

// What a book that is not quite right reads as, and the names a line that names no ware is
// offered.
TEST(PriceBook, OddBooksAndNamesNotInTheTable) {
    WareTable wares(5);
    wares[0].Name = "Медная руда";
    wares[1].Name = "Железная руда";
    wares[2].Name = "Мёд";
    wares[3].Name = "Лёд";
    wares[4].Name = "Уголь";
    struct Case {
        const char* what;
        std::string bytes;
        std::string problem;  // the first problem, "" for none
        std::size_t prices;
    };
    const Case cases[] = {
        {"empty", "", "", 0},
        {"only comments and blanks", "// нет цен\r\n \t\r\n", "", 0},
        {"a mark alone", "\xFF\xFE", "", 0},
        {"an odd last byte of UTF-16", "\xFF\xFE" + Utf16("Уголь;3\r\n", false) + "\x0A",
         "нет «;» между товаром и ценой", 1},
        {"broken UTF-8 after a mark", "\xEF\xBB\xBF" + Cp1251ToUtf8("Уголь;3 // ") + "\xD0", "", 1},
        {"broken UTF-8 without a mark is CP1251", Cp1251ToUtf8("Уголь;3") + "\xD0",
         "нет товара «" + Cp1251ToUtf8("Уголь") + "» в таблице товаров", 0},
        {"case, ё and blanks", "медная\xA0 руда;1",
         "нет товара «медная\xA0 руда» в таблице товаров; может быть, «Медная руда»?", 0},
        {"one letter short", "Медная руд;1",
         "нет товара «Медная руд» в таблице товаров; может быть, «Медная руда»?", 0},
        {"several near", "Мод;1", "нет товара «Мод» в таблице товаров; может быть, «Мёд» или «Лёд»?", 0},
        {"nothing near", "Сталь;1", "нет товара «Сталь» в таблице товаров", 0},
    };
    for (const Case& c : cases) {
        BookReading reading = ReadPriceBook(c.bytes, wares, {});
        EXPECT_EQ(reading.Problems.empty() ? "" : reading.Problems.front().Message, c.problem) << c.what;
        EXPECT_EQ(reading.Book.Entries.size(), c.prices) << c.what;
    }
}

}  // namespace
