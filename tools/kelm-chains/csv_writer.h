#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds one CSV text: ";" between fields, "\n" after each row. Fields come in as CP1251
// program text and leave as UTF-8.
//
// Names come from tables that players edit and share, so a text field that a spreadsheet
// would take for a formula (one that begins with "=", "+", "-", "@", a tab or a carriage
// return) is written with a leading apostrophe, quoted, and shows as the text it is.
// Numbers stay numbers.
class CsvWriter {
public:
    // A header row of plain ASCII keys.
    CsvWriter& Header(const std::vector<std::string>& keys);
    CsvWriter& Text(const std::string& cp1251);
    CsvWriter& TextUtf8(const std::string& utf8);
    CsvWriter& Number(std::int64_t value);
    // A value that is a number when its text is one ("-2500", "12.25") and text otherwise
    // ("переполнение", a name).
    CsvWriter& Value(const std::string& cp1251);
    CsvWriter& Empty();
    CsvWriter& EndRow();

    const std::string& Result() const { return text_; }

private:
    void Field(const std::string& utf8);

    std::string text_;
    bool rowStarted_ = false;
};
