#include "calc/table_check.h"

#include <algorithm>
#include <limits>
#include <set>
#include <tuple>

#include "base/text_convert.h"
#include "calc/chain.h"

namespace {

constexpr std::int32_t kLastListedStation = FactoryList[kFactoryCount - 1];

std::int32_t SizeAsInt(std::size_t size) {
    return static_cast<std::int32_t>(std::min<std::size_t>(size, std::numeric_limits<std::int32_t>::max()));
}

template <class Table>
bool InTable(const Table& table, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < table.size();
}

std::string Quoted(const std::string& name) {
    std::string text = "«";
    text += name;
    text += "»";
    return text;
}

// Walks chains and, when it has a load report, collects the problems it finds at the lines
// that hold them. Without a report it only answers whether a chain is complete.
class Checker {
public:
    Checker(const Catalogue& catalogue, const LoadReport* report) : catalogue_(catalogue), report_(report) {}

    void CheckFiles();
    bool CheckChain(std::int32_t mainStation);
    std::vector<TableProblem> TakeProblems();

private:
    struct Found {
        TableFile File;
        int Line;
        std::string Message;
        bool Warning;
        bool operator<(const Found& other) const {
            return std::tie(File, Line, Message) < std::tie(other.File, other.Line, other.Message);
        }
    };

    const TableSource& Source(TableFile file) const { return report_->Of(file); }
    void Report(TableFile file, int line, std::string message, bool warning = false);
    void CheckFile(TableFile file, std::size_t tableSize);
    void CheckRecordLines(TableFile file);

    // The record as its line left it: filled by a line with a ";" after the name. Records
    // that fail this are already reported with their file or line.
    bool LineFilled(TableFile file, std::int32_t index) const;
    void RecordProblem(TableFile file, std::int32_t index, std::string message, bool warning = false);
    // A line with fewer fields than its format: its record reads the missing ones anyway.
    void CheckFieldCount(TableFile file, std::int32_t index);

    bool CheckWareIndex(std::int32_t station, std::int32_t ware, const std::string& what);
    bool CheckStation(std::int32_t station, int resourcesRead);
    bool CheckProduct(std::int32_t ware, bool unitsDivide);
    void CheckMadeBy(std::int32_t mainStation, const Supply& supply);

    std::string WareRef(std::int32_t ware) const;
    std::string StationRef(std::int32_t station) const;

    const Catalogue& catalogue_;
    const LoadReport* report_;
    std::vector<Found> found_;
    std::set<Found> seen_;
};

void Checker::Report(TableFile file, int line, std::string message, bool warning) {
    if (!report_) return;
    Found problem{file, line, std::move(message), warning};
    if (seen_.insert(problem).second) found_.push_back(std::move(problem));
}

std::vector<TableProblem> Checker::TakeProblems() {
    std::stable_sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) {
        return std::tie(a.File, a.Line) < std::tie(b.File, b.Line);
    });
    std::vector<TableProblem> problems;
    problems.reserve(found_.size());
    for (Found& problem : found_)
        problems.push_back({problem.File, problem.Line, std::move(problem.Message), problem.Warning});
    found_.clear();
    return problems;
}

void Checker::CheckFiles() {
    CheckFile(TableFile::Wares, catalogue_.Wares.size());
    CheckFile(TableFile::Stations, catalogue_.Stations.size());
    CheckRecordLines(TableFile::Wares);
    CheckRecordLines(TableFile::Stations);
}

void Checker::CheckFile(TableFile file, std::size_t tableSize) {
    const TableSource& source = Source(file);
    if (!source.Read) return Report(file, 0, "файл не найден или не читается");
    if (source.CountLine == 0) return Report(file, 0, "в файле нет строки с числом записей");
    if (!source.CountIsNumber)
        return Report(file, source.CountLine, "строка должна начинаться с числа записей; записи не прочитаны");
    if (source.DeclaredCount < 0)
        return Report(file, source.CountLine,
                      FormatInts("число записей отрицательное (%d); записи не прочитаны", source.DeclaredCount));

    int filled = static_cast<int>(std::count_if(source.Records.begin(), source.Records.end(),
                                                [](const RecordSource& r) { return r.FileLine != 0; }));
    if (filled < source.DeclaredCount)
        Report(file, source.CountLine,
               FormatInts("объявлено записей: %d, а строк записей: %d; остальные записи пусты", source.DeclaredCount,
                          filled));
    if (source.ExtraLineCount > 0)
        Report(file, source.FirstExtraLine,
               FormatInts("строк записей больше, чем объявлено (%d): эта и следующие строки не прочитаны (всего %d)",
                          source.DeclaredCount, source.ExtraLineCount));

    std::int32_t size = SizeAsInt(tableSize);
    if (file == TableFile::Wares && size == 0) Report(file, source.CountLine, "в таблице нет ни одной записи");
    if (file == TableFile::Stations && size <= kLastListedStation)
        Report(file, source.CountLine,
               FormatInts("записей в таблице: %d, а в списке фабрик есть номера до %d; фабрики с номером %d и выше "
                          "не показываются",
                          size, kLastListedStation, size));
}

void Checker::CheckRecordLines(TableFile file) {
    for (const RecordSource& record : Source(file).Records)
        if (record.FileLine != 0 && !record.HasSeparator)
            Report(file, record.FileLine, "в строке нет ни одной «;»: название и поля не разделены");
}

bool Checker::LineFilled(TableFile file, std::int32_t index) const {
    if (!report_) return true;
    const std::vector<RecordSource>& records = Source(file).Records;
    if (static_cast<std::size_t>(index) >= records.size()) return false;
    const RecordSource& record = records[static_cast<std::size_t>(index)];
    return record.FileLine != 0 && record.HasSeparator;
}

void Checker::RecordProblem(TableFile file, std::int32_t index, std::string message, bool warning) {
    if (report_ && LineFilled(file, index))
        Report(file, Source(file).Records[static_cast<std::size_t>(index)].FileLine, std::move(message), warning);
}

void Checker::CheckFieldCount(TableFile file, std::int32_t index) {
    if (!report_ || !LineFilled(file, index)) return;
    int needed = file == TableFile::Wares ? kWareFields : kStationFields;
    int present = Source(file).Records[static_cast<std::size_t>(index)].FieldCount;
    if (present < needed)
        RecordProblem(file, index,
                      FormatInts("полей в строке: %d из %d; недостающие прочитаны как 0 или как повтор последнего "
                                 "числа",
                                 present, needed));
}

std::string Checker::WareRef(std::int32_t ware) const {
    std::string text = FormatInts("товар № %d", ware);
    if (InTable(catalogue_.Wares, ware)) {
        text += ' ';
        text += Quoted(catalogue_.Wares[static_cast<std::size_t>(ware)].Name);
    }
    return text;
}

std::string Checker::StationRef(std::int32_t station) const {
    return FormatInts("№ %d ", station) + Quoted(catalogue_.Stations[static_cast<std::size_t>(station)].Name);
}

bool Checker::CheckWareIndex(std::int32_t station, std::int32_t ware, const std::string& what) {
    if (InTable(catalogue_.Wares, ware)) {
        CheckFieldCount(TableFile::Wares, ware);
        return true;
    }
    // An empty table is reported once, with its file.
    if (!catalogue_.Wares.empty())
        RecordProblem(
            TableFile::Stations, station,
            what + FormatInts(": нет товара № %d (товаров в таблице: %d)", ware, SizeAsInt(catalogue_.Wares.size())));
    return false;
}

// The station's own fields that a chain reads; resourcesRead entries of Resources are read
// whatever its ResourceCount says.
bool Checker::CheckStation(std::int32_t station, int resourcesRead) {
    const Station& record = catalogue_.Stations[static_cast<std::size_t>(station)];
    CheckFieldCount(TableFile::Stations, station);
    bool complete = true;
    int listed = 0;
    if (record.ResourceCount < 0 || record.ResourceCount > 3) {
        RecordProblem(TableFile::Stations, station,
                      FormatInts("число ресурсов %d, а должно быть от 0 до 3", record.ResourceCount));
        complete = false;
    } else {
        listed = record.ResourceCount;
    }
    complete &= CheckWareIndex(station, record.Product, "продукт");
    for (int j = 0; j < std::max(listed, resourcesRead); ++j) {
        std::string what = FormatInts("ресурс %d", j + 1);
        if (j >= listed) what += " (его читают кнопки цен при любом числе ресурсов)";
        complete &= CheckWareIndex(station, record.Resources[static_cast<std::size_t>(j)], what);
    }
    return complete;
}

bool Checker::CheckProduct(std::int32_t ware, bool unitsDivide) {
    if (!InTable(catalogue_.Wares, ware)) return false;
    const Ware& record = catalogue_.Wares[static_cast<std::size_t>(ware)];
    bool complete = true;
    if (report_ && LineFilled(TableFile::Wares, ware)) {
        const RecordSource& line = report_->Wares.Records[static_cast<std::size_t>(ware)];
        if (line.FieldCount >= kWareFields && !line.FullTime)
            RecordProblem(TableFile::Wares, ware,
                          "время цикла задано не полностью: нужно ЧЧ:ММ:СС сразу после пятой «;»");
    }
    if (record.CycleSeconds == 0) {
        RecordProblem(TableFile::Wares, ware, "время цикла равно 0, а расчет цепочки делит на него");
        complete = false;
    }
    if (unitsDivide && record.UnitsPerCycle == 0) {
        RecordProblem(TableFile::Wares, ware, "выпуск за цикл равен 0, а расчет цепочки делит на него");
        complete = false;
    }
    return complete;
}

// Warns when a supplier does not make the ware of the row it feeds: its transfer price then
// goes into a row of another ware. Reported at the main station, which chose both.
void Checker::CheckMadeBy(std::int32_t mainStation, const Supply& supply) {
    const Station& main = catalogue_.Stations[static_cast<std::size_t>(mainStation)];
    std::int32_t consumer = StationOfSlot(main, mainStation, supply.Consumer);
    std::int32_t supplier = SupportStation(main, supply.Supplier);
    std::size_t resource = supply.Row;
    std::int32_t needed = catalogue_.Stations[static_cast<std::size_t>(consumer)].Resources[resource];
    std::int32_t made = catalogue_.Stations[static_cast<std::size_t>(supplier)].Product;
    if (needed == made) return;
    // An empty record, or an index reported already, would only repeat a problem.
    if (LineFilled(TableFile::Stations, consumer) && LineFilled(TableFile::Stations, supplier) &&
        InTable(catalogue_.Wares, needed) && InTable(catalogue_.Wares, made)) {
        // Slots are numbered as the window numbers the support factories.
        std::string message = FormatInts("ресурс %d", static_cast<std::int32_t>(resource + 1));
        if (supply.Consumer != kMain)
            message += FormatInts(" фабрики поддержки %d", static_cast<std::int32_t>(supply.Consumer));
        message += " (";
        message += WareRef(needed);
        message += FormatInts(") должна производить фабрика поддержки %d (", static_cast<std::int32_t>(supply.Supplier));
        message += StationRef(supplier);
        message += "), а она производит ";
        message += WareRef(made);
        RecordProblem(TableFile::Stations, mainStation, std::move(message), true);
    }
}

bool Checker::CheckChain(std::int32_t mainStation) {
    if (!InTable(catalogue_.Stations, mainStation)) return false;
    const Station& main = catalogue_.Stations[static_cast<std::size_t>(mainStation)];
    bool complete = CheckStation(mainStation, static_cast<int>(kPricedRows[kMain]));
    bool supportsExist = true;
    for (FactorySlot support : {kSupport1, kSupport2, kSupport3}) {
        std::int32_t station = SupportStation(main, support);
        if (InTable(catalogue_.Stations, station)) continue;
        RecordProblem(TableFile::Stations, mainStation,
                      FormatInts("фабрика поддержки %d: нет фабрики № %d (фабрик в таблице: %d)",
                                 static_cast<std::int32_t>(support), station, SizeAsInt(catalogue_.Stations.size())));
        supportsExist = false;
    }
    if (!supportsExist) return false;

    for (FactorySlot support : {kSupport1, kSupport2, kSupport3})
        complete &= CheckStation(SupportStation(main, support), static_cast<int>(kPricedRows[support]));
    complete &= CheckProduct(main.Product, false);
    for (std::int32_t support : main.Supports)
        complete &= CheckProduct(catalogue_.Stations[static_cast<std::size_t>(support)].Product, true);
    for (const Supply& supply : kSupplies) CheckMadeBy(mainStation, supply);
    return complete;
}

}  // namespace

bool ChainIsComplete(const Catalogue& catalogue, std::int32_t mainStation) {
    return Checker(catalogue, nullptr).CheckChain(mainStation);
}

int TableCheck::CompleteCount() const { return static_cast<int>(std::count(Complete.begin(), Complete.end(), true)); }

int TableCheck::ErrorCount() const {
    return static_cast<int>(
        std::count_if(Problems.begin(), Problems.end(), [](const TableProblem& problem) { return !problem.Warning; }));
}

TableCheck CheckTables(const Catalogue& catalogue, const LoadReport& report) {
    Checker checker(catalogue, &report);
    checker.CheckFiles();
    TableCheck check;
    for (std::size_t i = 0; i < kFactoryCount; ++i) check.Complete[i] = checker.CheckChain(FactoryList[i]);
    check.Problems = checker.TakeProblems();
    return check;
}

std::string ProblemAfterFile(const TableProblem& problem) {
    std::string text;
    if (problem.Line > 0) {
        text += ':';
        text += IntToText(problem.Line);
    }
    text += problem.Warning ? ": предупреждение: " : ": ";
    text += problem.Message;
    return text;
}

std::string ProblemText(const TableProblem& problem) {
    return std::string(FileName(problem.File)) + ProblemAfterFile(problem);
}

bool StartupMessageNeeded(const TableCheck& check) {
    return check.ErrorCount() > 0 || check.CompleteCount() < static_cast<int>(kFactoryCount);
}

std::string StartupMessageText(const TableCheck& check, std::size_t shownCount) {
    std::int32_t errors = check.ErrorCount();
    std::int32_t warnings = SizeAsInt(check.Problems.size()) - errors;
    std::string text = FormatInts("В таблицах найдены ошибки (%d):\r\n", errors);
    std::size_t shown = 0;
    for (const TableProblem& problem : check.Problems) {
        if (problem.Warning || shown == shownCount) continue;
        text += ProblemText(problem) + "\r\n";
        ++shown;
    }
    if (SizeAsInt(shown) < errors) text += FormatInts("и ещё %d.\r\n", errors - SizeAsInt(shown));
    if (warnings > 0)
        text += FormatInts("Кроме того, предупреждений: %d; их перечисляет kelm-chains check.\r\n", warnings);
    text += "\r\n";
    std::int32_t complete = check.CompleteCount();
    std::int32_t listed = static_cast<std::int32_t>(kFactoryCount);
    if (complete == 0) return text + "Ни у одной фабрики из списка нет полной цепочки. Программа будет закрыта.";
    if (complete == listed) return text + FormatInts("Фабрик с полными цепочками: %d из %d.", complete, listed);
    return text + FormatInts("Фабрик с полными цепочками: %d из %d. В списке остаются только они.", complete, listed);
}
