#include "csv_writer.h"

#include "base/cp1251.h"
#include "output_text.h"

namespace {

bool LooksLikeFormula(const std::string& text) {
    return !text.empty() && std::string("=+-@\t\r").find(text[0]) != std::string::npos;
}

}  // namespace

void CsvWriter::Field(const std::string& utf8) {
    if (rowStarted_) text_ += ';';
    rowStarted_ = true;
    text_ += utf8;
}

CsvWriter& CsvWriter::Header(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) Field(key);
    return EndRow();
}

CsvWriter& CsvWriter::Text(const std::string& cp1251) { return TextUtf8(Cp1251ToUtf8(cp1251)); }

CsvWriter& CsvWriter::TextUtf8(const std::string& text) {
    bool formula = LooksLikeFormula(text);
    if (!formula && text.find_first_of(";\"\r\n") == std::string::npos) {
        Field(text);
        return *this;
    }
    std::string quoted = formula ? "\"'" : "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    Field(quoted + "\"");
    return *this;
}

CsvWriter& CsvWriter::Number(std::int64_t value) {
    Field(std::to_string(value));
    return *this;
}

CsvWriter& CsvWriter::Value(const std::string& cp1251) {
    if (!IsNumberText(cp1251)) return Text(cp1251);
    Field(cp1251);
    return *this;
}

CsvWriter& CsvWriter::Empty() {
    Field("");
    return *this;
}

CsvWriter& CsvWriter::EndRow() {
    text_ += '\n';
    rowStarted_ = false;
    return *this;
}
