// Reading the tables: LineList::LoadFromFile against a bare read-and-split, and LoadTables
// against the same plus a hand-written read of every field (and, for reference, plus
// keeping what was read in catalogue records), on about 100 MB of generated tables. Run
// through scripts/bench.sh; the ratios are printed after the table of results.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/line_list.h"
#include "big_tables.h"
#include "data/catalogue.h"
#include "data/table_loader.h"
#include "raw_baselines.h"

namespace {

BigTables g_tables;

const NativePath& PathOf(int file) {
    static const NativePath paths[2] = {NativePath(g_tables.Folder) / kWaresFile,
                                        NativePath(g_tables.Folder) / kStationsFile};
    return paths[file];
}

void CountWork(benchmark::State& state, bool fields) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * g_tables.Bytes));
    if (fields)
        state.counters["fields/s"] = benchmark::Counter(static_cast<double>(state.iterations() * g_tables.Fields()),
                                                        benchmark::Counter::kIsRate);
}

struct ChildRun {
    double Seconds = -1;      // wall clock; negative when the work failed
    double UserSeconds = 0;   // processor time in the program itself, not in the kernel
    double PageFaults = 0;    // first touches of pages, each a fresh page to map
};

double UserSeconds(const rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec) + static_cast<double>(usage.ru_utime.tv_usec) / 1e6;
}

// Runs work in a child process and returns what it cost there. On these machines the
// first write to a fresh page dominates; a fresh process meets every page it writes for the
// first time, as the program does when it loads the tables at start-up, while in a
// long-lived process the allocator hands out pages that an earlier run has touched, by
// chance more or fewer. Freeing happens after the clock.
template <class Work>
ChildRun RunInFreshProcess(Work work) {
    ChildRun run;
    int channel[2];
    if (pipe(channel) != 0) return run;
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        rusage before {}, after {};
        getrusage(RUSAGE_SELF, &before);
        auto start = std::chrono::steady_clock::now();
        bool done = work();
        run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        getrusage(RUSAGE_SELF, &after);
        if (!done) run.Seconds = -1;
        run.UserSeconds = UserSeconds(after) - UserSeconds(before);
        run.PageFaults = static_cast<double>(after.ru_minflt - before.ru_minflt + after.ru_majflt - before.ru_majflt);
        ssize_t written = write(channel[1], &run, sizeof run);
        _exit(written == sizeof run ? 0 : 1);
    }
    close(channel[1]);
    if (child < 0 || read(channel[0], &run, sizeof run) != sizeof run) run.Seconds = -1;
    close(channel[0]);
    if (child > 0) waitpid(child, nullptr, 0);
    return run;
}

template <class Work>
void Measure(benchmark::State& state, bool fields, Work work) {
    double userSeconds = 0, pageFaults = 0;
    for (auto _ : state) {
        ChildRun run = RunInFreshProcess(work);
        if (run.Seconds < 0) return state.SkipWithError("the run failed");
        state.SetIterationTime(run.Seconds);
        userSeconds += run.UserSeconds;
        pageFaults += run.PageFaults;
    }
    CountWork(state, fields);
    state.counters["user_ms"] = benchmark::Counter(userSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["faults"] = benchmark::Counter(pageFaults, benchmark::Counter::kAvgIterations);
}

void BaselineReadSplit(benchmark::State& state) {
    Measure(state, false, [] {
        for (int file = 0; file < 2; ++file) {
            SplitText text;
            if (!ReadAndSplit(PathOf(file).Native(), text)) return false;
            benchmark::DoNotOptimize(text.Lines.data());
        }
        return true;
    });
}

void LineListLoadFromFile(benchmark::State& state) {
    Measure(state, false, [] {
        for (int file = 0; file < 2; ++file) {
            LineList lines;
            if (!lines.LoadFromFile(PathOf(file))) return false;
            benchmark::DoNotOptimize(lines.Count());
        }
        return true;
    });
}

void BaselineReadSplitParse(benchmark::State& state) {
    Measure(state, true, [] {
        std::int64_t sum = 0;
        for (int file = 0; file < 2; ++file) {
            SplitText text;
            if (!ReadAndSplit(PathOf(file).Native(), text)) return false;
            sum += ReadEveryField(text);
        }
        benchmark::DoNotOptimize(sum);
        return true;
    });
}

void BaselineReadSplitParseStore(benchmark::State& state) {
    Measure(state, true, [] {
        SplitText wares, stations;
        if (!ReadAndSplit(PathOf(0).Native(), wares) || !ReadAndSplit(PathOf(1).Native(), stations)) return false;
        static Catalogue catalogue;
        StoreEveryRecord(wares, stations, catalogue);
        benchmark::DoNotOptimize(catalogue.Stations.data());
        return true;
    });
}

// The catalogue is kept, as the program keeps it; the child frees it after the clock.
void LoadTablesBench(benchmark::State& state) {
    Measure(state, true, [] {
        static Catalogue catalogue;
        LoadReport report = LoadTables(NativePath(g_tables.Folder), catalogue);
        benchmark::DoNotOptimize(report.Stations.Records.data());
        return catalogue.Wares.size() == g_tables.WareRecords && catalogue.Stations.size() == g_tables.StationRecords;
    });
}

BENCHMARK(BaselineReadSplit)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(LineListLoadFromFile)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BaselineReadSplitParse)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BaselineReadSplitParseStore)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(LoadTablesBench)->Name("LoadTables")->Unit(benchmark::kMillisecond)->UseManualTime();

// The console table, then each measured reader's time over its baseline's. With
// repetitions the medians are compared.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && run.repetitions <= 1)) {
                Figures& figures = figures_[run.run_name.function_name];
                figures.Time = run.GetAdjustedRealTime();
                auto user = run.counters.find("user_ms");
                if (user != run.counters.end()) figures.UserTime = user->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Wall-clock ratio against the goal; the ratio of processor time spent in the program
    // itself (page faults are kernel time) alongside.
    void PrintRatios() const {
        std::printf("\n%-22s %-28s %7s %6s %8s %10s\n", "measured", "against", "ratio", "goal", "", "user ratio");
        PrintRatio("LineListLoadFromFile", "BaselineReadSplit", 1.3);
        PrintRatio("LoadTables", "BaselineReadSplitParse", 1.5);
        PrintRatio("LoadTables", "BaselineReadSplitParseStore", 0);
    }

private:
    struct Figures {
        double Time = 0;
        double UserTime = 0;
    };

    void PrintRatio(const std::string& measured, const std::string& baseline, double goal) const {
        auto m = figures_.find(measured), b = figures_.find(baseline);
        if (m == figures_.end() || b == figures_.end() || b->second.Time <= 0) return;
        double ratio = m->second.Time / b->second.Time;
        double userRatio = b->second.UserTime > 0 ? m->second.UserTime / b->second.UserTime : 0;
        char goalText[16] = "-";  // no goal: shown for reference
        if (goal > 0) std::snprintf(goalText, sizeof goalText, "%.1f", goal);
        const char* verdict = goal <= 0 ? "" : ratio <= goal ? "met" : "MISSED";
        std::printf("%-22s %-28s %7.2f %6s %8s %10.2f\n", measured.c_str(), baseline.c_str(), ratio, goalText,
                    verdict, userRatio);
    }

    std::map<std::string, Figures> figures_;
};

// --tables_mb=N sets the size of the generated tables (default 100); the other arguments
// are Google Benchmark's.
std::size_t TakeTablesMegabytes(int& argc, char** argv) {
    std::size_t megabytes = 100;
    const char* flag = "--tables_mb=";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
            megabytes = std::strtoul(argv[i] + std::strlen(flag), nullptr, 10);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return megabytes;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t megabytes = TakeTablesMegabytes(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kelm-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    g_tables = WriteBigTables(folder.string(), megabytes << 20);
    std::printf("tables: %.1f MB, %zu ware and %zu station records, %zu fields\n",
                static_cast<double>(g_tables.Bytes) / (1 << 20), g_tables.WareRecords, g_tables.StationRecords,
                g_tables.Fields());

    RatioReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
