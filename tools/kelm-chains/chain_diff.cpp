#include "chain_diff.h"

#include <algorithm>
#include <cmath>

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

std::string Quoted(const std::string& name) { return "«" + name + "»"; }

const char* TableKey(TableFile file) { return file == TableFile::Wares ? "wares" : "stations"; }

std::size_t FileSlot(TableFile file) { return file == TableFile::Wares ? 0 : 1; }

const char* ChainKindKey(ChainKind kind) {
    switch (kind) {
        case ChainKind::BecameIncomplete: return "became_incomplete";
        case ChainKind::BecameComplete: return "became_complete";
        case ChainKind::Added: return "added";
        case ChainKind::Removed: return "removed";
        case ChainKind::Changed: break;
    }
    return "changed";
}

const char* PairedKey(bool byIndex) { return byIndex ? "index" : "name"; }

// The difference as a person reads it: a gain with "+".
std::string SignedText(const Amount& difference) {
    std::string text = UnroundedText(difference);
    return difference.Known() && difference.Value > 0 ? "+" + text : text;
}

// "FILE:LINE", or "FILE" where no line filled the record.
std::string Location(const std::string& file, int line) {
    return line > 0 ? file + ":" + std::to_string(line) : file;
}

// "товар № 9 (Руда)", "фабрика № 8 (Завод, была № 7)".
std::string RecordTitle(const RecordDiff& record) {
    bool ware = record.File == TableFile::Wares;
    std::int32_t shown = record.NewIndex != kNoRecord ? record.NewIndex : record.OldIndex;
    std::string title = FormatInts(ware ? "товар № %d (" : "фабрика № %d (", shown) + record.Name;
    if (record.Change == RecordChange::Changed && record.OldIndex != record.NewIndex)
        title += FormatInts(ware ? ", был № %d" : ", была № %d", record.OldIndex);
    return title + ")";
}

std::vector<std::string> RecordLines(const TablesDiff& diff, const RecordDiff& record) {
    std::size_t file = FileSlot(record.File);
    std::string oldPlace = Location(diff.Files[0][file], record.OldLine);
    std::string newPlace = Location(diff.Files[1][file], record.NewLine);
    std::string title = Utf8(RecordTitle(record));
    std::string ending = record.File == TableFile::Wares ? "" : "а";
    switch (record.Change) {
        case RecordChange::Added: return {newPlace + ": " + title + Utf8(" добавлен" + ending)};
        case RecordChange::Removed: return {oldPlace + ": " + title + Utf8(" удален" + ending)};
        case RecordChange::Changed: break;
    }
    std::string paired = record.ByIndex ? Utf8(", сопоставлено по номеру записи") : "";
    std::vector<std::string> lines;
    for (const FieldChange& field : record.Fields)
        lines.push_back(newPlace + ": " + title + ": " + Utf8(field.Label) + ": " + Utf8(field.Old) + kArrow +
                        Utf8(field.New) + Utf8(" (было: ") + oldPlace + paired + ")");
    return lines;
}

// "wares.csv «Руда» (было 2, стало 1)" for every name shared by records of one version.
std::string SharedNamesText(const RecordsDiff& records) {
    std::vector<std::string> names;
    for (const SharedName& shared : records.Shared)
        names.push_back(std::string(FileName(shared.File)) + " " + Quoted(shared.Name) +
                        FormatInts(" (было %d, стало %d)", shared.Count[0], shared.Count[1]));
    return "Названия повторяются, такие записи сопоставлены по номерам: " + ListText(names, ", ") + ".";
}

std::string ItemCell(const ChainChange& change) {
    if (change.OldItem == kNoRecord) return IntToText(change.NewItem);
    if (change.NewItem == kNoRecord) return IntToText(change.OldItem);
    std::string cell = IntToText(change.NewItem);
    return change.OldItem == change.NewItem ? cell : cell + FormatInts(" (был %d)", change.OldItem);
}

std::string IncomeCell(const std::string& income, int item) {
    if (item == kNoRecord) return "нет в списке";
    return income.empty() ? "неполная цепочка" : income;
}

int ShownItem(const ChainChange& change) { return change.NewItem != kNoRecord ? change.NewItem : change.OldItem; }

// A report row by item, or none where the chain is incomplete or the item absent.
const ReportRow* RowOf(const std::vector<ReportRow>& rows, int item) {
    auto row = std::find_if(rows.begin(), rows.end(), [&](const ReportRow& r) { return r.Item == item; });
    return row == rows.end() ? nullptr : &*row;
}

}  // namespace

std::vector<ChainChange> DiffChains(const ChainVersion& oldChains, const ChainVersion& newChains) {
    std::vector<ChainChange> changes;
    for (const IndexPair& pair : PairByName(oldChains.Names, newChains.Names)) {
        const ReportRow* before = pair.Old == kNoRecord ? nullptr : RowOf(oldChains.Rows, pair.Old);
        const ReportRow* after = pair.New == kNoRecord ? nullptr : RowOf(newChains.Rows, pair.New);
        if (!before && !after) continue;
        if (before && after && before->Results.Values == after->Results.Values) continue;
        ChainChange change;
        change.OldItem = pair.Old;
        change.NewItem = pair.New;
        change.ByIndex = pair.ByIndex;
        change.Kind = before && after               ? ChainKind::Changed
                      : pair.Old == kNoRecord       ? ChainKind::Added
                      : pair.New == kNoRecord       ? ChainKind::Removed
                      : after                       ? ChainKind::BecameComplete
                                                    : ChainKind::BecameIncomplete;
        const ReportRow& shown = after ? *after : *before;
        change.Station = shown.Station;
        change.Name = shown.Name;
        if (before) change.OldIncome = before->Results[kChainIncome];
        if (after) change.NewIncome = after->Results[kChainIncome];
        change.Difference = before && after ? after->ChainIncome - before->ChainIncome : Missing(Fault::NoData);
        changes.push_back(std::move(change));
    }
    auto rank = [](const ChainChange& c) {
        return c.Kind != ChainKind::Changed ? 0 : c.Difference.Known() ? 1 : 2;
    };
    std::stable_sort(changes.begin(), changes.end(), [&](const ChainChange& a, const ChainChange& b) {
        if (rank(a) != rank(b)) return rank(a) < rank(b);
        return rank(a) == 1 && std::fabs(a.Difference.Value) > std::fabs(b.Difference.Value);
    });
    return changes;
}

std::vector<ItemChange> DiffItems(const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames) {
    std::vector<ItemChange> items;
    for (std::size_t i = 0; i < std::min(oldNames.size(), newNames.size()); ++i)
        if (oldNames[i] != newNames[i]) items.push_back({static_cast<int>(i), oldNames[i], newNames[i]});
    return items;
}

std::string DiffText(const TablesDiff& diff, std::size_t consoleWidth) {
    std::string text = Utf8("Было: ") + diff.Folders[0] + Utf8(", стало: ") + diff.Folders[1] +
                       Utf8(std::string(". Цены ресурсов и продажи: ") + LevelWords(diff.Level, true) +
                            (diff.Manual ? "; все цены выставляются вручную.\n" : ".\n"));
    if (diff.Book) text += BookHeading(*diff.Book) + "\n";
    if (diff.Empty()) return text + Utf8("Различий нет.\n");
    if (!diff.Records.Shared.empty()) text += Utf8(SharedNamesText(diff.Records)) + "\n";
    const std::vector<RecordDiff>& records = diff.Records.Records;
    if (!records.empty()) {
        text += Utf8(FormatInts("\nИзменения таблиц: %d\n", static_cast<std::int32_t>(records.size())));
        for (const RecordDiff& record : records)
            for (const std::string& line : RecordLines(diff, record)) text += line + "\n";
    }
    if (!diff.Items.empty()) {
        text += Utf8(FormatInts("\nПункты списка, под которыми теперь другая фабрика: %d\n",
                                static_cast<std::int32_t>(diff.Items.size())));
        for (const ItemChange& item : diff.Items)
            text += Utf8(FormatInts("пункт %d: ", item.Item) + Quoted(item.OldName)) + kArrow +
                    Utf8(Quoted(item.NewName)) + "\n";
    }
    if (!diff.Chains.empty()) {
        text += Utf8(FormatInts("\nЦепочки, у которых изменились результаты: %d\n",
                                static_cast<std::int32_t>(diff.Chains.size())));
        std::vector<std::vector<std::string>> table = {
            {"Пункт", "Фабрика", std::string(CaptionWords(kChainIncome)) + ": было", "стало", "разница"}};
        for (const ChainChange& change : diff.Chains)
            table.push_back({ItemCell(change), change.Name, IncomeCell(change.OldIncome, change.OldItem),
                             IncomeCell(change.NewIncome, change.NewItem),
                             change.Difference.Known() ? SignedText(change.Difference) : ""});
        text += AlignedColumns(std::move(table), {1}, {1, consoleWidth});
    }
    return text;
}

std::string DiffCsv(const TablesDiff& diff) {
    std::vector<std::string> header = {"table", "old_index", "new_index", "name",     "change",   "field",
                                       "old",   "new",       "difference", "old_file", "old_line", "new_file",
                                       "new_line", "paired"};
    if (diff.Book) header.insert(header.end(), kBookColumns.begin(), kBookColumns.end());
    CsvWriter csv;
    csv.Header(header);
    auto number = [&](int value) { value != kNoRecord ? csv.Number(value) : csv.Empty(); };
    auto line = [&](int value) { value > 0 ? csv.Number(value) : csv.Empty(); };
    auto end = [&] {
        if (diff.Book) WriteBookCells(csv, *diff.Book);
        csv.EndRow();
    };
    for (const RecordDiff& record : diff.Records.Records) {
        std::size_t file = FileSlot(record.File);
        auto start = [&] {
            csv.Text(TableKey(record.File));
            number(record.OldIndex);
            number(record.NewIndex);
            csv.Text(record.Name).Text(ChangeKey(record.Change));
        };
        auto places = [&] {
            csv.TextUtf8(diff.Files[0][file]);
            line(record.OldLine);
            csv.TextUtf8(diff.Files[1][file]);
            line(record.NewLine);
            csv.Text(PairedKey(record.ByIndex));
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
    for (const ItemChange& item : diff.Items) {
        csv.Text("items").Number(item.Item).Number(item.Item).Text(item.NewName).Text("other_factory").Text("name");
        csv.Text(item.OldName).Text(item.NewName).Empty().Empty().Empty().Empty().Empty().Text("index");
        end();
    }
    for (const ChainChange& change : diff.Chains) {
        csv.Text("chains");
        number(change.OldItem);
        number(change.NewItem);
        csv.Text(change.Name).Text(ChainKindKey(change.Kind)).Text("chain_income");
        csv.Value(change.OldIncome).Value(change.NewIncome);
        change.Difference.Known() ? csv.Value(UnroundedText(change.Difference)) : csv.Empty();
        csv.Empty().Empty().Empty().Empty().Text(PairedKey(change.ByIndex));
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
    auto index = [&](const char* key, int value) {
        json.Key(key);
        value != kNoRecord ? json.Number(value) : json.Null();
    };
    for (TableFile file : {TableFile::Wares, TableFile::Stations}) {
        json.Key(TableKey(file)).Array(JsonWriter::Layout::Lines);
        std::size_t f = FileSlot(file);
        for (const RecordDiff& record : diff.Records.Records) {
            if (record.File != file) continue;
            json.Object();
            index("old_index", record.OldIndex);
            index("new_index", record.NewIndex);
            json.Key("change").String(ChangeKey(record.Change)).Key("paired").String(PairedKey(record.ByIndex));
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
    json.Key("shared_names").Array(JsonWriter::Layout::Lines);
    for (const SharedName& shared : diff.Records.Shared) {
        json.Object().Key("table").String(TableKey(shared.File)).Key("name").String(shared.Name);
        json.Key("old_count").Number(shared.Count[0]).Key("new_count").Number(shared.Count[1]).End();
    }
    json.End();
    json.Key("items").Array(JsonWriter::Layout::Lines);
    for (const ItemChange& item : diff.Items)
        json.Object().Key("item").Number(item.Item).Key("old_name").String(item.OldName)
            .Key("new_name").String(item.NewName).End();
    json.End();
    json.Key("chains").Array(JsonWriter::Layout::Lines);
    for (const ChainChange& change : diff.Chains) {
        json.Object().Key("item").Number(ShownItem(change));
        index("old_item", change.OldItem);
        index("new_item", change.NewItem);
        json.Key("station").Number(change.Station).Key("name").String(change.Name);
        json.Key("change").String(ChainKindKey(change.Kind)).Key("paired").String(PairedKey(change.ByIndex));
        json.Key("old_chain_income");
        change.OldIncome.empty() ? json.Null() : json.String(change.OldIncome);
        json.Key("new_chain_income");
        change.NewIncome.empty() ? json.Null() : json.String(change.NewIncome);
        json.Key("difference");
        change.Difference.Known() ? json.String(UnroundedText(change.Difference)) : json.Null();
        json.End();
    }
    json.End();
    return json.End().Text();
}
