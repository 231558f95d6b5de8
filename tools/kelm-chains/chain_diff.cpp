#include "chain_diff.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "base/cp1251.h"
#include "base/text_convert.h"
#include "calc/chain_results.h"
#include "calc/result_text.h"
#include "csv_writer.h"
#include "json_writer.h"
#include "output_text.h"

namespace {

constexpr const char* kArrow = " \xE2\x86\x92 ";  // " → " in UTF-8: no such letter in CP1251

std::string Utf8(std::string_view cp1251) { return Cp1251ToUtf8(cp1251); }

const char* TableKey(TableFile file) { return file == TableFile::Wares ? "wares" : "stations"; }

const char* ChainChangeKey(const ChainChange& change) {
    if (!change.NewComplete) return "became_incomplete";
    if (!change.OldComplete) return "became_complete";
    return "changed";
}

// The difference as a person reads it: a gain with "+".
std::string SignedText(const Amount& difference) {
    std::string text = UnroundedText(difference);
    return difference.Known() && difference.Value > 0 ? "+" + text : text;
}

// "FILE:LINE", or "FILE" where no line filled the record.
std::string Location(const std::string& file, int line) {
    return line > 0 ? file + ":" + std::to_string(line) : file;
}

std::string RecordTitle(const RecordDiff& record) {
    return FormatInts(record.File == TableFile::Wares ? "товар № %d (" : "фабрика № %d (", record.Index) + record.Name + ")";
}

std::vector<std::string> RecordLines(const TablesDiff& diff, const RecordDiff& record) {
    std::size_t file = record.File == TableFile::Wares ? 0 : 1;
    std::string oldPlace = Location(diff.Files[0][file], record.OldLine);
    std::string newPlace = Location(diff.Files[1][file], record.NewLine);
    std::string title = Utf8(RecordTitle(record));
    switch (record.Change) {
        case RecordChange::Added: return {newPlace + ": " + title + Utf8(" добавлен" + std::string(record.File == TableFile::Wares ? "" : "а"))};
        case RecordChange::Removed: return {oldPlace + ": " + title + Utf8(" удален" + std::string(record.File == TableFile::Wares ? "" : "а"))};
        case RecordChange::Changed: break;
    }
    std::vector<std::string> lines;
    for (const FieldChange& field : record.Fields)
        lines.push_back(newPlace + ": " + title + ": " + Utf8(field.Label) + ": " + Utf8(field.Old) + kArrow +
                        Utf8(field.New) + Utf8(" (было: ") + oldPlace + ")");
    return lines;
}

std::string IncomeCell(const std::string& income, bool complete) { return complete ? income : "неполная цепочка"; }

}  // namespace

std::vector<ChainChange> DiffChains(const std::vector<ReportRow>& oldRows, const std::vector<ReportRow>& newRows) {
    std::map<int, std::pair<const ReportRow*, const ReportRow*>> byItem;
    for (const ReportRow& row : oldRows) byItem[row.Item].first = &row;
    for (const ReportRow& row : newRows) byItem[row.Item].second = &row;
    std::vector<ChainChange> changes;
    for (const auto& [item, pair] : byItem) {
        const auto& [before, after] = pair;
        if (before && after && before->Results.Values == after->Results.Values) continue;
        const ReportRow& shown = after ? *after : *before;
        ChainChange change;
        change.Item = item;
        change.Station = shown.Station;
        change.Name = shown.Name;
        change.OldComplete = before != nullptr;
        change.NewComplete = after != nullptr;
        if (before) change.OldIncome = before->Results[kChainIncome];
        if (after) change.NewIncome = after->Results[kChainIncome];
        change.Difference = before && after ? after->ChainIncome - before->ChainIncome : Missing(Fault::NoData);
        changes.push_back(std::move(change));
    }
    auto rank = [](const ChainChange& c) { return !c.OldComplete || !c.NewComplete ? 0 : c.Difference.Known() ? 1 : 2; };
    std::stable_sort(changes.begin(), changes.end(), [&](const ChainChange& a, const ChainChange& b) {
        if (rank(a) != rank(b)) return rank(a) < rank(b);
        return rank(a) == 1 && std::fabs(a.Difference.Value) > std::fabs(b.Difference.Value);
    });
    return changes;
}

std::string DiffText(const TablesDiff& diff) {
    std::string text = Utf8("Было: ") + diff.Folders[0] + Utf8(", стало: ") + diff.Folders[1] +
                       Utf8(std::string(". Цены ресурсов и продажи: ") + LevelWords(diff.Level, true) +
                            (diff.Manual ? "; все цены выставляются вручную.\n" : ".\n"));
    if (diff.Book) text += BookHeading(*diff.Book) + "\n";
    if (diff.Empty()) return text + Utf8("Различий нет.\n");
    if (!diff.Records.empty()) {
        text += Utf8(FormatInts("\nИзменения таблиц: %d\n", static_cast<std::int32_t>(diff.Records.size())));
        for (const RecordDiff& record : diff.Records)
            for (const std::string& line : RecordLines(diff, record)) text += line + "\n";
    }
    if (!diff.Chains.empty()) {
        text += Utf8(FormatInts("\nЦепочки, у которых изменились результаты: %d\n",
                                static_cast<std::int32_t>(diff.Chains.size())));
        std::vector<std::vector<std::string>> table = {
            {"Пункт", "Фабрика", std::string(CaptionWords(kChainIncome)) + ": было", "стало", "разница"}};
        for (const ChainChange& change : diff.Chains)
            table.push_back({IntToText(change.Item), change.Name, IncomeCell(change.OldIncome, change.OldComplete),
                             IncomeCell(change.NewIncome, change.NewComplete),
                             change.Difference.Known() ? SignedText(change.Difference) : ""});
        text += AlignedColumns(std::move(table), {1});
    }
    return text;
}

std::string DiffCsv(const TablesDiff& diff) {
    std::vector<std::string> header = {"table", "index", "name",     "change",   "field",    "old",
                                       "new",   "difference", "old_file", "old_line", "new_file", "new_line"};
    if (diff.Book) header.insert(header.end(), kBookColumns.begin(), kBookColumns.end());
    CsvWriter csv;
    csv.Header(header);
    auto line = [&](int number) { number > 0 ? csv.Number(number) : csv.Empty(); };
    auto end = [&] {
        if (diff.Book) WriteBookCells(csv, *diff.Book);
        csv.EndRow();
    };
    for (const RecordDiff& record : diff.Records) {
        std::size_t file = record.File == TableFile::Wares ? 0 : 1;
        auto start = [&] { csv.Text(TableKey(record.File)).Number(record.Index).Text(record.Name).Text(ChangeKey(record.Change)); };
        auto places = [&] {
            csv.TextUtf8(diff.Files[0][file]);
            line(record.OldLine);
            csv.TextUtf8(diff.Files[1][file]);
            line(record.NewLine);
        };
        if (record.Change != RecordChange::Changed) {
            start();
            csv.Empty().Empty().Empty().Empty();
            places();
            end();
        }
        for (const FieldChange& field : record.Fields) {
            start();
            csv.Text(field.Key).Value(field.Old).Value(field.New).Empty();
            places();
            end();
        }
    }
    for (const ChainChange& change : diff.Chains) {
        csv.Text("chains").Number(change.Item).Text(change.Name).Text(ChainChangeKey(change)).Text("chain_income");
        csv.Value(change.OldIncome).Value(change.NewIncome);
        change.Difference.Known() ? csv.Value(UnroundedText(change.Difference)) : csv.Empty();
        csv.Empty().Empty().Empty().Empty();
        end();
    }
    return csv.Result();
}

std::string DiffJson(const TablesDiff& diff) {
    JsonWriter json;
    json.Object(JsonWriter::Layout::Lines);
    json.Key("old").StringUtf8(diff.Folders[0]).Key("new").StringUtf8(diff.Folders[1]);
    json.Key("level").String(LevelKey(diff.Level)).Key("manual").Bool(diff.Manual);
    if (diff.Book) WriteBookField(json, *diff.Book);
    for (TableFile file : {TableFile::Wares, TableFile::Stations}) {
        json.Key(TableKey(file)).Array(JsonWriter::Layout::Lines);
        std::size_t f = file == TableFile::Wares ? 0 : 1;
        for (const RecordDiff& record : diff.Records) {
            if (record.File != file) continue;
            json.Object().Key("index").Number(record.Index).Key("change").String(ChangeKey(record.Change));
            json.Key("name").String(record.Name);
            json.Key("old_file").StringUtf8(diff.Files[0][f]).Key("old_line").Number(record.OldLine);
            json.Key("new_file").StringUtf8(diff.Files[1][f]).Key("new_line").Number(record.NewLine);
            json.Key("fields").Array();
            for (const FieldChange& field : record.Fields)
                json.Object().Key("field").String(field.Key).Key("old").String(field.Old).Key("new").String(field.New).End();
            json.End().End();
        }
        json.End();
    }
    json.Key("chains").Array(JsonWriter::Layout::Lines);
    for (const ChainChange& change : diff.Chains) {
        json.Object().Key("item").Number(change.Item).Key("station").Number(change.Station).Key("name").String(change.Name);
        json.Key("change").String(ChainChangeKey(change));
        json.Key("old_chain_income");
        change.OldComplete ? json.String(change.OldIncome) : json.Null();
        json.Key("new_chain_income");
        change.NewComplete ? json.String(change.NewIncome) : json.Null();
        json.Key("difference");
        change.Difference.Known() ? json.String(UnroundedText(change.Difference)) : json.Null();
        json.End();
    }
    json.End();
    return json.End().Text();
}
