#include "table_diff.h"

#include <algorithm>
#include <map>

#include "base/text_convert.h"
#include "calc/result_text.h"

namespace {

// How often each name occurs in the old and in the new list.
using NameCounts = std::map<std::string, std::array<int, 2>>;

NameCounts CountNames(const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames) {
    NameCounts count;
    for (const std::string& name : oldNames) ++count[name][0];
    for (const std::string& name : newNames) ++count[name][1];
    return count;
}

template <class Record>
std::vector<std::string> TrimmedNames(const std::vector<Record>& records) {
    std::vector<std::string> names;
    for (const Record& record : records) names.emplace_back(TrimBlanks(record.Name));
    return names;
}

// The trimmed names of one table in both versions.
struct TableNames {
    std::array<std::vector<std::string>, 2> Names;
    NameCounts Count;

    template <class Record>
    TableNames(const std::vector<Record>& oldRecords, const std::vector<Record>& newRecords)
        : Names{TrimmedNames(oldRecords), TrimmedNames(newRecords)}, Count(CountNames(Names[0], Names[1])) {}

    // What a reference of one version points at, as compared between versions: the name
    // where it is unique; with the number where it is not; the number alone outside the table.
    std::string Reference(std::size_t version, std::int32_t index) const {
        const std::vector<std::string>& names = Names[version];
        if (index < 0 || static_cast<std::size_t>(index) >= names.size())
            return FormatInts("№ %d (нет такой записи)", index);
        const std::string& name = names[static_cast<std::size_t>(index)];
        std::string quoted = "«" + name + "»";
        return !name.empty() && Count.at(name)[version] == 1 ? quoted : FormatInts("№ %d ", index) + quoted;
    }
};

// One version's side of the comparison, for the references of its records.
struct Version {
    const TableNames& Wares;
    const TableNames& Stations;
    std::size_t Side;
    std::string Ware(std::int32_t index) const { return Wares.Reference(Side, index); }
    std::string Station(std::int32_t index) const { return Stations.Reference(Side, index); }
};

template <class Record>
struct Column {
    const char* Key;
    const char* Label;
    std::string (*Text)(const Record& record, const Version& version);
};

std::string Number(std::int32_t value) { return IntToText(value); }

const std::vector<Column<Ware>>& WareColumns() {
    static const std::vector<Column<Ware>> columns = {
        {"name", "название", [](const Ware& w, const Version&) { return w.Name; }},
        {"min_price", "минимальная цена", [](const Ware& w, const Version&) { return Number(w.MinPrice); }},
        {"avg_price", "средняя цена", [](const Ware& w, const Version&) { return Number(w.AvgPrice); }},
        {"max_price", "максимальная цена", [](const Ware& w, const Version&) { return Number(w.MaxPrice); }},
        {"units_per_cycle", "выпуск за цикл", [](const Ware& w, const Version&) { return Number(w.UnitsPerCycle); }},
        {"cycle", "цикл", [](const Ware& w, const Version&) { return CycleTimeText(w.CycleSeconds); }},
    };
    return columns;
}

const std::vector<Column<Station>>& StationColumns() {
    using S = const Station&;
    using V = const Version&;
    static const std::vector<Column<Station>> columns = {
        {"name", "название", [](S s, V) { return s.Name; }},
        {"product", "продукт", [](S s, V v) { return v.Ware(s.Product); }},
        {"resource_count", "число ресурсов", [](S s, V) { return Number(s.ResourceCount); }},
        {"resource1", "ресурс 1", [](S s, V v) { return v.Ware(s.Resources[0]); }},
        {"resource2", "ресурс 2", [](S s, V v) { return v.Ware(s.Resources[1]); }},
        {"resource3", "ресурс 3", [](S s, V v) { return v.Ware(s.Resources[2]); }},
        {"amount1", "количество ресурса 1", [](S s, V) { return Number(s.ResourceAmounts[0]); }},
        {"amount2", "количество ресурса 2", [](S s, V) { return Number(s.ResourceAmounts[1]); }},
        {"amount3", "количество ресурса 3", [](S s, V) { return Number(s.ResourceAmounts[2]); }},
        {"reserved", "резерв", [](S s, V) { return Number(s.Reserved); }},
        {"support1", "фабрика поддержки 1", [](S s, V v) { return v.Station(s.Supports[0]); }},
        {"support2", "фабрика поддержки 2", [](S s, V v) { return v.Station(s.Supports[1]); }},
        {"support3", "фабрика поддержки 3", [](S s, V v) { return v.Station(s.Supports[2]); }},
    };
    return columns;
}

int LineOf(const TableSource& source, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < source.Records.size()
               ? source.Records[static_cast<std::size_t>(index)].FileLine
               : 0;
}

template <class Record>
void DiffRecords(TableFile file, const std::vector<Record>& oldRecords, const TableSource& oldSource,
                 const std::vector<Record>& newRecords, const TableSource& newSource,
                 const std::vector<Column<Record>>& columns, const std::array<Version, 2>& versions,
                 std::vector<RecordDiff>& diffs) {
    const TableNames& names = file == TableFile::Wares ? versions[0].Wares : versions[0].Stations;
    for (const IndexPair& pair : PairByName(names.Names[0], names.Names[1])) {
        RecordDiff diff;
        diff.File = file;
        diff.OldIndex = pair.Old;
        diff.NewIndex = pair.New;
        diff.ByIndex = pair.ByIndex;
        diff.OldLine = LineOf(oldSource, pair.Old);
        diff.NewLine = LineOf(newSource, pair.New);
        if (pair.Old == kNoRecord) {
            diff.Change = RecordChange::Added;
            diff.Name = newRecords[static_cast<std::size_t>(pair.New)].Name;
        } else if (pair.New == kNoRecord) {
            diff.Change = RecordChange::Removed;
            diff.Name = oldRecords[static_cast<std::size_t>(pair.Old)].Name;
        } else {
            const Record& before = oldRecords[static_cast<std::size_t>(pair.Old)];
            const Record& after = newRecords[static_cast<std::size_t>(pair.New)];
            diff.Name = after.Name;
            for (const Column<Record>& column : columns) {
                std::string oldText = column.Text(before, versions[0]), newText = column.Text(after, versions[1]);
                if (oldText != newText) diff.Fields.push_back({column.Key, column.Label, oldText, newText});
            }
            if (diff.Fields.empty()) continue;
        }
        diffs.push_back(std::move(diff));
    }
}

void AddSharedNames(TableFile file, const TableNames& names, std::vector<SharedName>& shared) {
    for (const auto& [name, counts] : names.Count)
        if (!name.empty() && (counts[0] > 1 || counts[1] > 1)) shared.push_back({file, name, counts});
}

}  // namespace

std::vector<IndexPair> PairByName(const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames) {
    const NameCounts count = CountNames(oldNames, newNames);
    auto unique = [&](const std::string& name) {
        const std::array<int, 2>& times = count.at(name);
        return !name.empty() && times[0] <= 1 && times[1] <= 1;
    };
    std::map<std::string, std::int32_t> newOfName;
    for (std::size_t j = 0; j < newNames.size(); ++j)
        if (unique(newNames[j])) newOfName[newNames[j]] = static_cast<std::int32_t>(j);

    std::vector<std::int32_t> partnerOfOld(oldNames.size(), kNoRecord), partnerOfNew(newNames.size(), kNoRecord);
    std::vector<bool> byIndex(newNames.size(), false);
    for (std::size_t i = 0; i < oldNames.size(); ++i) {
        auto named = unique(oldNames[i]) ? newOfName.find(oldNames[i]) : newOfName.end();
        if (named == newOfName.end()) continue;
        partnerOfOld[i] = named->second;
        partnerOfNew[static_cast<std::size_t>(named->second)] = static_cast<std::int32_t>(i);
    }
    for (std::size_t i = 0; i < std::min(oldNames.size(), newNames.size()); ++i) {
        if (partnerOfOld[i] != kNoRecord || partnerOfNew[i] != kNoRecord) continue;
        partnerOfOld[i] = partnerOfNew[i] = static_cast<std::int32_t>(i);
        byIndex[i] = true;
    }

    // A removed record goes before the first pair whose old record came after it.
    std::vector<IndexPair> pairs;
    std::size_t nextOld = 0;
    auto removedUpTo = [&](std::size_t end) {
        for (; nextOld < end; ++nextOld)
            if (partnerOfOld[nextOld] == kNoRecord)
                pairs.push_back({static_cast<std::int32_t>(nextOld), kNoRecord, false});
    };
    for (std::size_t j = 0; j < newNames.size(); ++j) {
        std::int32_t old = partnerOfNew[j];
        if (old != kNoRecord) removedUpTo(std::max(nextOld, static_cast<std::size_t>(old)));
        pairs.push_back({old, static_cast<std::int32_t>(j), byIndex[j]});
    }
    removedUpTo(oldNames.size());
    return pairs;
}

RecordsDiff DiffTables(const Catalogue& oldTables, const LoadReport& oldReport, const Catalogue& newTables,
                       const LoadReport& newReport) {
    const TableNames wares(oldTables.Wares, newTables.Wares), stations(oldTables.Stations, newTables.Stations);
    const std::array<Version, 2> versions = {Version{wares, stations, 0}, Version{wares, stations, 1}};
    RecordsDiff diff;
    DiffRecords(TableFile::Wares, oldTables.Wares, oldReport.Wares, newTables.Wares, newReport.Wares, WareColumns(),
                versions, diff.Records);
    DiffRecords(TableFile::Stations, oldTables.Stations, oldReport.Stations, newTables.Stations, newReport.Stations,
                StationColumns(), versions, diff.Records);
    AddSharedNames(TableFile::Wares, wares, diff.Shared);
    AddSharedNames(TableFile::Stations, stations, diff.Shared);
    return diff;
}

const char* ChangeKey(RecordChange change) {
    switch (change) {
        case RecordChange::Added: return "added";
        case RecordChange::Removed: return "removed";
        case RecordChange::Changed: break;
    }
    return "changed";
}
