#include "report_formats.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "toolkit/cp1251.h"
#include "toolkit/text_convert.h"

namespace {

constexpr std::array<const char*, 7> kResultKeys = {"main_cost",     "support1_cost", "support2_cost", "support3_cost",
                                                    "total_cost",    "main_income",   "chain_income"};

std::array<const std::string*, 7> ResultTexts(const ReportRow& row) {
    const ChainResultTexts& r = row.Results;
    return {&r.MainCost, &r.Support1Cost, &r.Support2Cost, &r.Support3Cost, &r.TotalCost, &r.MainIncome, &r.ChainIncome};
}

std::string JsonString(const std::string& cp1251) {
    std::string text = "\"";
    for (char c : Cp1251ToUtf8(cp1251)) {
        unsigned char code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (code < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
            text += escaped;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

template <std::size_t N>
std::string JsonArray(const std::array<std::string, N>& texts) {
    std::string text = "[";
    for (std::size_t i = 0; i < N; ++i) text += (i ? ", " : "") + JsonString(texts[i]);
    return text + "]";
}

std::string CsvField(const std::string& cp1251) {
    std::string text = Cp1251ToUtf8(cp1251);
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string JsonReport(const std::vector<ReportRow>& rows) {
    std::string text = "[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ReportRow& row = rows[i];
        text += i ? ",\n  {" : "\n  {";
        text += "\"item\": " + std::to_string(row.Item) + ", \"station\": " + std::to_string(row.Station);
        text += ", \"name\": " + JsonString(row.Name) + ", \"supports\": " + JsonArray(row.Supports);
        std::array<const std::string*, 7> results = ResultTexts(row);
        for (std::size_t k = 0; k < results.size(); ++k)
            text += std::string(", \"") + kResultKeys[k] + "\": " + JsonString(*results[k]);
        text += ", \"sale_prices\": " + JsonArray(row.SalePrices) + "}";
    }
    return text + (rows.empty() ? "]\n" : "\n]\n");
}

std::string CsvReport(const std::vector<ReportRow>& rows) {
    std::string text = "item;station;name;support1;support2;support3";
    for (const char* key : kResultKeys) (text += ';') += key;
    text += ";main_sale_price;support1_sale_price;support2_sale_price;support3_sale_price\n";
    for (const ReportRow& row : rows) {
        std::vector<std::string> fields = {std::to_string(row.Item), std::to_string(row.Station), CsvField(row.Name)};
        for (const std::string& name : row.Supports) fields.push_back(CsvField(name));
        for (const std::string* result : ResultTexts(row)) fields.push_back(CsvField(*result));
        for (const std::string& price : row.SalePrices) fields.push_back(CsvField(price));
        for (std::size_t i = 0; i < fields.size(); ++i) (text += i ? ";" : "") += fields[i];
        text += '\n';
    }
    return text;
}

std::string TextReport(const std::vector<ReportRow>& rows) {
    // Cells stay CP1251 until the end, where one byte is one character wide.
    std::vector<std::vector<std::string>> table = {{"Пункт", "Фабрика", "Затраты: главная", "фабрика 1",
                                                    "фабрика 2", "фабрика 3", "всего", "Доход за сутки: фабрики",
                                                    "цепочки"}};
    for (const ReportRow& row : rows) {
        std::string name = row.Name;
        std::replace_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
        std::vector<std::string> cells = {IntToText(row.Item), name};
        for (const std::string* result : ResultTexts(row)) cells.push_back(*result);
        table.push_back(std::move(cells));
    }
    std::vector<std::size_t> widths(table[0].size(), 0);
    for (const auto& cells : table)
        for (std::size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], cells[c].size());

    std::string text;
    for (const auto& cells : table) {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            std::string padding(widths[c] - cells[c].size(), ' ');
            if (c > 0) line += "  ";
            line += c == 1 ? cells[c] + padding : padding + cells[c];  // names left, numbers right
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += Cp1251ToUtf8(line) + "\n";
    }
    return text;
}
