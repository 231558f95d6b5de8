#include "report_formats.h"

#include <array>

#include "output_text.h"
#include "toolkit/text_convert.h"

std::vector<std::string> ReportColumns() {
    std::vector<std::string> columns = {"Пункт", "Фабрика"};
    for (const ResultDescription& result : kChainResults) columns.push_back(result.Column);
    return columns;
}

std::string JsonReport(const std::vector<ReportRow>& rows) {
    std::string text = "[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ReportRow& row = rows[i];
        text += i ? ",\n  {" : "\n  {";
        text += "\"item\": " + std::to_string(row.Item) + ", \"station\": " + std::to_string(row.Station);
        text += ", \"name\": " + JsonString(row.Name) + ", \"supports\": " + JsonArray(row.Supports);
        for (const ResultDescription& result : kChainResults)
            text += std::string(", \"") + result.Key + "\": " + JsonString(row.Results[result.Result]);
        text += ", \"sale_prices\": " + JsonArray(row.SalePrices) + "}";
    }
    return text + (rows.empty() ? "]\n" : "\n]\n");
}

std::string CsvReport(const std::vector<ReportRow>& rows) {
    std::string text = "item;station;name;support1;support2;support3";
    for (const ResultDescription& result : kChainResults) (text += ';') += result.Key;
    text += ";main_sale_price;support1_sale_price;support2_sale_price;support3_sale_price\n";
    for (const ReportRow& row : rows) {
        std::vector<std::string> fields = {std::to_string(row.Item), std::to_string(row.Station), CsvField(row.Name)};
        for (const std::string& name : row.Supports) fields.push_back(CsvField(name));
        for (const std::string& result : row.Results.Values) fields.push_back(CsvField(result));
        for (const std::string& price : row.SalePrices) fields.push_back(CsvField(price));
        for (std::size_t i = 0; i < fields.size(); ++i) (text += i ? ";" : "") += fields[i];
        text += '\n';
    }
    return text;
}

std::string TextReport(const std::vector<ReportRow>& rows) {
    std::vector<std::vector<std::string>> table = {ReportColumns()};
    for (const ReportRow& row : rows) {
        std::vector<std::string> cells = {IntToText(row.Item), row.Name};
        cells.insert(cells.end(), row.Results.Values.begin(), row.Results.Values.end());
        table.push_back(std::move(cells));
    }
    return AlignedColumns(std::move(table), {1});  // names left, numbers right
}
