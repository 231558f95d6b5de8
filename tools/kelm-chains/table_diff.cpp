#include "table_diff.h"

#include <algorithm>

#include "base/text_convert.h"
#include "calc/result_text.h"

namespace {

template <class Record>
struct Column {
    const char* Key;
    const char* Label;
    std::string (*Text)(const Record& record);
};

std::string Number(std::int32_t value) { return IntToText(value); }

const std::vector<Column<Ware>>& WareColumns() {
    static const std::vector<Column<Ware>> columns = {
        {"name", "название", [](const Ware& w) { return w.Name; }},
        {"min_price", "минимальная цена", [](const Ware& w) { return Number(w.MinPrice); }},
        {"avg_price", "средняя цена", [](const Ware& w) { return Number(w.AvgPrice); }},
        {"max_price", "максимальная цена", [](const Ware& w) { return Number(w.MaxPrice); }},
        {"units_per_cycle", "выпуск за цикл", [](const Ware& w) { return Number(w.UnitsPerCycle); }},
        {"cycle", "цикл", [](const Ware& w) { return CycleTimeText(w.CycleSeconds); }},
    };
    return columns;
}

const std::vector<Column<Station>>& StationColumns() {
    static const std::vector<Column<Station>> columns = {
        {"name", "название", [](const Station& s) { return s.Name; }},
        {"product", "продукт (товар №)", [](const Station& s) { return Number(s.Product); }},
        {"resource_count", "число ресурсов", [](const Station& s) { return Number(s.ResourceCount); }},
        {"resource1", "ресурс 1 (товар №)", [](const Station& s) { return Number(s.Resources[0]); }},
        {"resource2", "ресурс 2 (товар №)", [](const Station& s) { return Number(s.Resources[1]); }},
        {"resource3", "ресурс 3 (товар №)", [](const Station& s) { return Number(s.Resources[2]); }},
        {"amount1", "количество ресурса 1", [](const Station& s) { return Number(s.ResourceAmounts[0]); }},
        {"amount2", "количество ресурса 2", [](const Station& s) { return Number(s.ResourceAmounts[1]); }},
        {"amount3", "количество ресурса 3", [](const Station& s) { return Number(s.ResourceAmounts[2]); }},
        {"reserved", "резерв", [](const Station& s) { return Number(s.Reserved); }},
        {"support1", "фабрика поддержки 1 (№)", [](const Station& s) { return Number(s.Supports[0]); }},
        {"support2", "фабрика поддержки 2 (№)", [](const Station& s) { return Number(s.Supports[1]); }},
        {"support3", "фабрика поддержки 3 (№)", [](const Station& s) { return Number(s.Supports[2]); }},
    };
    return columns;
}

int LineOf(const TableSource& source, std::size_t index) {
    return index < source.Records.size() ? source.Records[index].FileLine : 0;
}

template <class Record>
void DiffRecords(TableFile file, const std::vector<Record>& oldRecords, const TableSource& oldSource,
                 const std::vector<Record>& newRecords, const TableSource& newSource,
                 const std::vector<Column<Record>>& columns, std::vector<RecordDiff>& diffs) {
    std::size_t count = std::max(oldRecords.size(), newRecords.size());
    for (std::size_t i = 0; i < count; ++i) {
        RecordDiff diff;
        diff.File = file;
        diff.Index = static_cast<std::int32_t>(i);
        diff.OldLine = LineOf(oldSource, i);
        diff.NewLine = LineOf(newSource, i);
        if (i >= oldRecords.size()) {
            diff.Change = RecordChange::Added;
            diff.Name = newRecords[i].Name;
        } else if (i >= newRecords.size()) {
            diff.Change = RecordChange::Removed;
            diff.Name = oldRecords[i].Name;
        } else {
            diff.Name = newRecords[i].Name;
            for (const Column<Record>& column : columns) {
                std::string before = column.Text(oldRecords[i]), after = column.Text(newRecords[i]);
                if (before != after) diff.Fields.push_back({column.Key, column.Label, before, after});
            }
            if (diff.Fields.empty()) continue;
        }
        diffs.push_back(std::move(diff));
    }
}

}  // namespace

std::vector<RecordDiff> DiffTables(const Catalogue& oldTables, const LoadReport& oldReport, const Catalogue& newTables,
                                   const LoadReport& newReport) {
    std::vector<RecordDiff> diffs;
    DiffRecords(TableFile::Wares, oldTables.Wares, oldReport.Wares, newTables.Wares, newReport.Wares, WareColumns(),
                diffs);
    DiffRecords(TableFile::Stations, oldTables.Stations, oldReport.Stations, newTables.Stations, newReport.Stations,
                StationColumns(), diffs);
    return diffs;
}

const char* ChangeKey(RecordChange change) {
    switch (change) {
        case RecordChange::Added: return "added";
        case RecordChange::Removed: return "removed";
        case RecordChange::Changed: break;
    }
    return "changed";
}
