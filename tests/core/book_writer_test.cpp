#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "calc/book_typing.h"
#include "calc/book_writer.h"
#include "calc/chain_copy.h"
#include "calc/chain_view.h"
#include "example_chain.h"

namespace {

ChainModel Priced(const Catalogue& catalogue, bool manual, PriceLevel sale = PriceLevel::Minimum) {
    ChainModel model;
    PriceChain(model, catalogue, 0, PriceLevel::Maximum, sale, nullptr);
    model.ManualPrices = manual;
    return model;
}

BookReading ReadBack(const std::string& text, const Catalogue& catalogue) {
    return ReadPriceBook(BookFileBytes(text), catalogue.Wares, {});
}

// A book saved from the window and opened again at once changes nothing shown (where no ware
// shows at two prices); in automatic mode it holds no price the calculation would replace.
TEST(BookWriter, ASavedBookOpenedAgainChangesNothing) {
    const Catalogue catalogue = example::Chain();
    for (bool manual : {false, true}) {
        ChainModel model = Priced(catalogue, manual, PriceLevel::Maximum);
        model[kMain].Rows[0].Price = "31";
        model[kSupport2].Rows[0].Price = "9";
        BookReading reading = ReadBack(ShownPricesBook(model, catalogue, 0, {}), catalogue);
        ASSERT_TRUE(reading.Problems.empty()) << reading.Problems[0].Message;
        EXPECT_EQ(reading.Book.PriceOfWare.at(example::kOre), 31);
        EXPECT_EQ(reading.Book.PriceOfWare.at(example::kWater), 9);
        EXPECT_EQ(reading.Book.PriceOfWare.contains(example::kProduct3), manual) << "support 3 sells to the main factory";
        ChainModel reopened = model;
        TypeBookPrices(reopened, catalogue, 0, reading.Book, PricedBy::Choice);
        for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) {
            EXPECT_EQ(reopened[slot].SalePrice, model[slot].SalePrice) << manual << slot;
            for (std::size_t row = 0; row < kResourceRows; ++row)
                EXPECT_EQ(reopened[slot].Rows[row].Price, model[slot].Rows[row].Price) << manual << slot << row;
        }
    }
}

TEST(BookWriter, WhatABookCannotHoldIsSaidInComments) {
    struct Case {
        const char* name;
        void (*change)(ChainModel&);
        const char* expected;  // a line of the book
        const char* absent = "";
    };
    const Case cases[] = {
        {"a ware shown twice, first in the main factory's rows", [](ChainModel& m) { m[kSupport1].SalePrice = "13"; },
         "Деталь;10 // в окне есть и цена 13"},
        {"a text that is no price", [](ChainModel& m) { m[kMain].Rows[0].Price = "7 x"; },
         "// «Руда»: в окне «7 x», это не цена"},
        {"a factory left out", [](ChainModel& m) { m[kSupport3].Active = false; }, "Уголь;4", "Газ;"},
    };
    const Catalogue catalogue = example::Chain();
    for (const Case& c : cases) {
        ChainModel model = Priced(catalogue, true);
        c.change(model);
        const std::string book = ShownPricesBook(model, catalogue, 0, {});
        EXPECT_NE(book.find(std::string(c.expected) + "\n"), std::string::npos) << c.name << "\n" << book;
        if (*c.absent) {
            EXPECT_EQ(book.find(c.absent), std::string::npos) << c.name;
        }
    }
}

TEST(BookWriter, AFileIsUtf8WithAMarkAndWindowsLineEnds) {
    EXPECT_EQ(BookFileBytes("Руда;5\n// б\n"), "\xEF\xBB\xBF" + Cp1251ToUtf8("Руда;5\r\n// б\r\n"));
}

TEST(ChainCopy, OneLinePerFactoryAndRowThenTheResults) {
    const Catalogue catalogue = example::Chain();
    ChainModel model = Priced(catalogue, false);
    model.Results[kChainIncome] = "-12.5";
    const std::string text = ChainCopyText(model, catalogue, 0);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "Главная фабрика\tЗавод\tТовар\t00:10:00\t10\t80");
    EXPECT_NE(text.find("\r\n\tРуда\t5\t25\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nФабрика поддержки 3\tНефтебаза\tТопливо\t"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nДоход цепочки за сутки:\t-12.5\r\n"), std::string::npos) << text;
    EXPECT_EQ(ChainCopyText(model, catalogue, 7), "");
}

}  // namespace
