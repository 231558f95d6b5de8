#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "data/catalogue.h"
#include "data/table_loader.h"

// A price book: the player's own prices of wares, named as the wares table names them.
// One "ware;price" a line; "//" starts a comment, also after the price; blank lines are
// allowed. The file is UTF-8 (told by its byte order mark or by being valid UTF-8) or
// CP1251.

struct BookEntry {
    std::int32_t Ware = 0;   // index into WareTable
    std::int32_t Price = 0;  // 0 to 2147483647
    int Line = 0;            // line of the book, from 1
};

struct PriceBook {
    std::vector<BookEntry> Entries;  // in the order of the book, one per ware
    std::map<std::int32_t, std::int32_t> PriceOfWare;
};

struct BookProblem {
    int Line = 0;
    std::string Message;  // CP1251, for the user
};

struct BookReading {
    PriceBook Book;
    std::vector<BookProblem> Problems;  // by line; the book is not to be used when there are any
};

// The book's bytes as program text: UTF-8 (a byte order mark dropped) converted, CP1251
// as it is.
std::string BookText(std::string_view bytes);

// Names are compared with the wares' names after trimming blanks on both sides. A name
// that several wares share cannot be priced: a line naming it is a problem that gives the
// lines of wares.csv (wareLines: where each record came from).
BookReading ReadPriceBook(std::string_view bytes, const WareTable& wares, const std::vector<RecordSource>& wareLines);

// The wares that share their trimmed name with another, each with all the records of
// that name; wares with an empty name are left out.
std::map<std::string, std::vector<std::int32_t>> SharedWareNames(const WareTable& wares);

// "в строках 8 и 12 файла wares.csv": where the given wares stand in the file.
std::string WareLinesText(const std::vector<std::int32_t>& wares, const std::vector<RecordSource>& wareLines);
