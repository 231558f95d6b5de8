#include "calc/table_check.h"

#include <algorithm>
#include <limits>
#include <set>
#include <tuple>

#include "calc/chain.h"
#include "data/table_loader.h"
#include "toolkit/text_convert.h"

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
    enum FileKind { kWaresFile = 0, kStationsFile = 1 };

    struct Found {
        int File;
        int Line;
        std::string Message;
        bool operator<(const Found& other) const {
            return std::tie(File, Line, Message) < std::tie(other.File, other.Line, other.Message);
        }
    };

    const TableSource& Source(FileKind file) const { return file == kWaresFile ? report_->Wares : report_->Stations; }
    void Report(FileKind file, int line, std::string message);
    void CheckFile(FileKind file, std::size_t tableSize);
    void CheckRecordLines(FileKind file);

    // The record as its line left it: filled by a line with a ";" after the name. Records
    // that fail this are already reported with their file or line.
    bool LineFilled(FileKind file, std::int32_t index) const;
    void RecordProblem(FileKind file, std::int32_t index, std::string message);

    bool CheckWareIndex(std::int32_t station, std::int32_t ware, const std::string& what);
    bool CheckStation(std::int32_t station, int resourcesRead);
    bool CheckProduct(std::int32_t ware, bool unitsDivide);
    bool CheckMadeBy(std::int32_t mainStation, int consumerNumber, int resource, int supplierNumber);

    std::string WareRef(std::int32_t ware) const;
    std::string StationRef(std::int32_t station) const;

    const Catalogue& catalogue_;
    const LoadReport* report_;
    std::vector<Found> found_;
    std::set<Found> seen_;
};

void Checker::Report(FileKind file, int line, std::string message) {
    if (!report_) return;
    Found problem{file, line, std::move(message)};
    if (seen_.insert(problem).second) found_.push_back(std::move(problem));
}

std::vector<TableProblem> Checker::TakeProblems() {
    std::stable_sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) {
        return std::tie(a.File, a.Line) < std::tie(b.File, b.Line);
    });
    std::vector<TableProblem> problems;
    problems.reserve(found_.size());
    for (Found& problem : found_)
        problems.push_back(
            {Source(static_cast<FileKind>(problem.File)).Path, problem.Line, std::move(problem.Message)});
    found_.clear();
    return problems;
}

void Checker::CheckFiles() {
    CheckFile(kWaresFile, catalogue_.Wares.size());
    CheckFile(kStationsFile, catalogue_.Stations.size());
    CheckRecordLines(kWaresFile);
    CheckRecordLines(kStationsFile);
}

void Checker::CheckFile(FileKind file, std::size_t tableSize) {
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
    if (file == kWaresFile && size == 0) Report(file, source.CountLine, "в таблице нет ни одной записи");
    if (file == kStationsFile && size <= kLastListedStation)
        Report(file, source.CountLine,
               FormatInts("записей в таблице: %d, а в списке фабрик есть номера до %d; фабрики с номером %d и выше "
                          "не показываются",
                          size, kLastListedStation, size));
}

void Checker::CheckRecordLines(FileKind file) {
    for (const RecordSource& record : Source(file).Records)
        if (record.FileLine != 0 && !record.HasSeparator)
            Report(file, record.FileLine, "в строке нет ни одной «;»: название и поля не разделены");
}

bool Checker::LineFilled(FileKind file, std::int32_t index) const {
    if (!report_) return true;
    const std::vector<RecordSource>& records = Source(file).Records;
    if (static_cast<std::size_t>(index) >= records.size()) return false;
    const RecordSource& record = records[static_cast<std::size_t>(index)];
    return record.FileLine != 0 && record.HasSeparator;
}

void Checker::RecordProblem(FileKind file, std::int32_t index, std::string message) {
    if (report_ && LineFilled(file, index))
        Report(file, Source(file).Records[static_cast<std::size_t>(index)].FileLine, std::move(message));
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
    if (InTable(catalogue_.Wares, ware)) return LineFilled(kWaresFile, ware);
    // An empty table is reported once, with its file.
    if (!catalogue_.Wares.empty())
        RecordProblem(
            kStationsFile, station,
            what + FormatInts(": нет товара № %d (товаров в таблице: %d)", ware, SizeAsInt(catalogue_.Wares.size())));
    return false;
}

// The station's own fields that a chain reads; resourcesRead entries of Resources are read
// whatever its ResourceCount says.
bool Checker::CheckStation(std::int32_t station, int resourcesRead) {
    const Station& record = catalogue_.Stations[static_cast<std::size_t>(station)];
    bool complete = LineFilled(kStationsFile, station);
    int listed = 0;
    if (record.ResourceCount < 0 || record.ResourceCount > 3) {
        RecordProblem(kStationsFile, station,
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
    bool complete = LineFilled(kWaresFile, ware);
    if (report_ && complete && !report_->Wares.Records[static_cast<std::size_t>(ware)].FullTime) {
        RecordProblem(kWaresFile, ware, "время цикла задано не полностью: нужно ЧЧ:ММ:СС сразу после пятой «;»");
        complete = false;
    }
    if (record.CycleSeconds == 0) {
        RecordProblem(kWaresFile, ware, "время цикла равно 0, а расчет цепочки делит на него");
        complete = false;
    }
    if (unitsDivide && record.UnitsPerCycle == 0) {
        RecordProblem(kWaresFile, ware, "выпуск за цикл равен 0, а расчет цепочки делит на него");
        complete = false;
    }
    return complete;
}

// Whether support factory supplierNumber makes the given resource (0-based) of the main
// factory (consumerNumber 0) or of support factory consumerNumber. The problem is reported
// at the main station, which chose both.
bool Checker::CheckMadeBy(std::int32_t mainStation, int consumerNumber, int resource, int supplierNumber) {
    const Station& main = catalogue_.Stations[static_cast<std::size_t>(mainStation)];
    std::int32_t consumer =
        consumerNumber == 0 ? mainStation : main.Supports[static_cast<std::size_t>(consumerNumber - 1)];
    std::int32_t supplier = main.Supports[static_cast<std::size_t>(supplierNumber - 1)];
    std::int32_t needed =
        catalogue_.Stations[static_cast<std::size_t>(consumer)].Resources[static_cast<std::size_t>(resource)];
    std::int32_t made = catalogue_.Stations[static_cast<std::size_t>(supplier)].Product;
    if (needed == made) return true;
    // An empty record, or an index reported already, would only repeat a problem.
    if (LineFilled(kStationsFile, consumer) && LineFilled(kStationsFile, supplier) &&
        InTable(catalogue_.Wares, needed) && InTable(catalogue_.Wares, made)) {
        std::string message = FormatInts("ресурс %d", resource + 1);
        if (consumerNumber != 0) message += FormatInts(" фабрики поддержки %d", consumerNumber);
        message += " (";
        message += WareRef(needed);
        message += FormatInts(") должна производить фабрика поддержки %d (", supplierNumber);
        message += StationRef(supplier);
        message += "), а она производит ";
        message += WareRef(made);
        RecordProblem(kStationsFile, mainStation, std::move(message));
    }
    return false;
}

bool Checker::CheckChain(std::int32_t mainStation) {
    if (!InTable(catalogue_.Stations, mainStation)) return false;
    const Station& main = catalogue_.Stations[static_cast<std::size_t>(mainStation)];
    bool complete = CheckStation(mainStation, 3);
    bool supportsExist = true;
    for (std::size_t k = 0; k < main.Supports.size(); ++k) {
        if (InTable(catalogue_.Stations, main.Supports[k])) continue;
        RecordProblem(
            kStationsFile, mainStation,
            FormatInts("фабрика поддержки %d: нет фабрики № %d (фабрик в таблице: %d)",
                       static_cast<std::int32_t>(k + 1), main.Supports[k], SizeAsInt(catalogue_.Stations.size())));
        supportsExist = false;
    }
    if (!supportsExist) return false;

    complete &= CheckStation(main.Supports[0], 2);
    complete &= CheckStation(main.Supports[1], 1);
    complete &= CheckStation(main.Supports[2], 1);
    complete &= CheckProduct(main.Product, false);
    for (std::int32_t support : main.Supports)
        complete &= CheckProduct(catalogue_.Stations[static_cast<std::size_t>(support)].Product, true);
    for (const Supply& supply : kSupplies)
        complete &= CheckMadeBy(mainStation, static_cast<int>(supply.Consumer), static_cast<int>(supply.Row),
                                static_cast<int>(supply.Supplier));
    return complete;
}

}  // namespace

bool ChainIsComplete(const Catalogue& catalogue, std::int32_t mainStation) {
    return Checker(catalogue, nullptr).CheckChain(mainStation);
}

int TableCheck::CompleteCount() const { return static_cast<int>(std::count(Complete.begin(), Complete.end(), true)); }

TableCheck CheckTables(const Catalogue& catalogue, const LoadReport& report) {
    Checker checker(catalogue, &report);
    checker.CheckFiles();
    TableCheck check;
    for (std::size_t i = 0; i < kFactoryCount; ++i) check.Complete[i] = checker.CheckChain(FactoryList[i]);
    check.Problems = checker.TakeProblems();
    return check;
}

std::string ProblemText(const TableProblem& problem) {
    std::string text = problem.Path;
    if (problem.Line > 0) {
        text += ':';
        text += IntToText(problem.Line);
    }
    text += ": ";
    text += problem.Message;
    return text;
}

std::string StartupMessageText(const TableCheck& check, std::size_t shownCount) {
    std::int32_t total = SizeAsInt(check.Problems.size());
    std::string text = FormatInts("В таблицах найдены ошибки (%d):\r\n", total);
    std::size_t shown = std::min(shownCount, check.Problems.size());
    for (std::size_t i = 0; i < shown; ++i) text += ProblemText(check.Problems[i]) + "\r\n";
    if (shown < check.Problems.size()) text += FormatInts("и ещё %d.\r\n", total - SizeAsInt(shown));
    text += "\r\n";
    std::int32_t complete = check.CompleteCount();
    if (complete == 0) return text + "Ни у одной фабрики из списка нет полной цепочки. Программа будет закрыта.";
    return text + FormatInts("Фабрик с полными цепочками: %d из %d. В списке остаются только они.", complete,
                             static_cast<std::int32_t>(kFactoryCount));
}
