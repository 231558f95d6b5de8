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
// allowed. The file is in any encoding Notepad saves in: UTF-16 (little or big endian,
// told by its byte order mark), UTF-8 (told by its mark or by being valid UTF-8), else
// CP1251.

enum class BookEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Cp1251 };

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
    BookEncoding Encoding = BookEncoding::Utf8;
    std::vector<BookProblem> Problems;  // by line; the book is not to be used when there are any
};

BookEncoding BookEncodingOf(std::string_view bytes);
// How a person names the encoding: "UTF-16 LE", "Windows-1251".
const char* BookEncodingName(BookEncoding encoding);

// The book's bytes as program text: UTF-16 and UTF-8 (a byte order mark dropped)
// converted, CP1251 as it is.
std::string BookText(std::string_view bytes);

// Names are compared with the wares' names after trimming blanks on both sides. A name
// not in the table is a problem that offers the names likely meant. A name
// that several wares share cannot be priced: a line naming it is a problem that gives the
// lines of wares.csv (wareLines: where each record came from).
BookReading ReadPriceBook(std::string_view bytes, const WareTable& wares, const std::vector<RecordSource>& wareLines);

// The wares that share their trimmed name with another, each with all the records of
// that name; wares with an empty name are left out.
std::map<std::string, std::vector<std::int32_t>> SharedWareNames(const WareTable& wares);

// "в строках 8 и 12 файла wares.csv": where the given wares stand in the file.
std::string WareLinesText(const std::vector<std::int32_t>& wares, const std::vector<RecordSource>& wareLines);
