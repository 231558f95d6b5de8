#pragma once
#include <string>
#include <vector>

#include "calc/price_book.h"
#include "csv_writer.h"
#include "data/catalogue.h"
#include "json_writer.h"

// What a report made with a price book says about it: the book's file, how many prices it
// set, and which of its wares no calculation took a price from.
struct BookNote {
    std::string File;                 // UTF-8, as the command line named it
    BookEncoding Encoding = BookEncoding::Utf8;
    std::size_t PriceCount = 0;
    std::vector<std::string> Unused;  // CP1251 names, in the order of the book
};

// used: one flag per ware, set for the wares whose book price a calculation read.
BookNote NoteOf(const std::string& fileUtf8, const BookReading& reading, const WareTable& wares,
                const std::vector<bool>& used);

// One line for text and HTML, UTF-8, without "\n": it names the encoding the book was read
// in unless that was UTF-8.
std::string BookHeading(const BookNote& note);

// Fields of their own in every row of CSV and JSON.
inline const std::vector<std::string> kBookColumns = {"price_book", "book_prices", "book_unused"};
void WriteBookCells(CsvWriter& csv, const BookNote& note);
void WriteBookField(JsonWriter& json, const BookNote& note);
