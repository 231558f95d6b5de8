#include "report_formats.h"

#include "base/text_convert.h"
#include "output_text.h"

std::vector<std::string> ReportColumns() {
    std::vector<std::string> columns = {"Пункт", "Фабрика"};
    for (const ResultDescription& result : kChainResults) columns.push_back(result.Column);
    return columns;
}

std::string JsonReport(const std::vector<ReportRow>& rows, const BookNote* book) {
    JsonWriter json;
    json.Array(JsonWriter::Layout::Lines);
    for (const ReportRow& row : rows) {
        json.Object().Key("item").Number(row.Item).Key("station").Number(row.Station).Key("name").String(row.Name);
        json.Key("supports").Array();
        for (const std::string& name : row.Supports) json.String(name);
        json.End();
        for (const ResultDescription& result : kChainResults) json.Key(result.Key).String(row.Results[result.Result]);
        json.Key("sale_prices").Array();
        for (const std::string& price : row.SalePrices) json.String(price);
        json.End();
        if (book) WriteBookField(json, *book);
        json.End();
    }
    return json.End().Text();
}

std::string CsvReport(const std::vector<ReportRow>& rows, const BookNote* book) {
    std::vector<std::string> header = {"item", "station", "name", "support1", "support2", "support3"};
    for (const ResultDescription& result : kChainResults) header.push_back(result.Key);
    for (const char* key : {"main_sale_price", "support1_sale_price", "support2_sale_price", "support3_sale_price"})
        header.push_back(key);
    if (book) header.insert(header.end(), kBookColumns.begin(), kBookColumns.end());
    CsvWriter csv;
    csv.Header(header);
    for (const ReportRow& row : rows) {
        csv.Number(row.Item).Number(row.Station).Text(row.Name);
        for (const std::string& name : row.Supports) csv.Text(name);
        for (const std::string& result : row.Results.Values) csv.Value(result);
        for (const std::string& price : row.SalePrices) csv.Value(price);
        if (book) WriteBookCells(csv, *book);
        csv.EndRow();
    }
    return csv.Result();
}

std::string TextReport(const std::vector<ReportRow>& rows, const BookNote* book) {
    std::vector<std::vector<std::string>> table = {ReportColumns()};
    for (const ReportRow& row : rows) {
        std::vector<std::string> cells = {IntToText(row.Item), row.Name};
        cells.insert(cells.end(), row.Results.Values.begin(), row.Results.Values.end());
        table.push_back(std::move(cells));
    }
    std::string heading = book ? BookHeading(*book) + "\n\n" : "";
    return heading + AlignedColumns(std::move(table), {1});  // names left, numbers right
}
