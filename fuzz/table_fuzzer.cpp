// Arbitrary bytes as the two table files. The first byte says which files exist (bit 0:
// wares, bit 1: stations, both when clear); the rest splits at its first zero byte into
// wares.csv and stations.csv. The tables then go through the loader and the checks, and
// every chain the checks accept through what the program does with a chain.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/table_check.h"
#include "data/factory_list.h"
#include "data/table_loader.h"

namespace {

std::string folder;

void RemoveFolder() {
    unlink(TablePath(folder, kWaresFile).c_str());
    unlink(TablePath(folder, kStationsFile).c_str());
    rmdir(folder.c_str());
}

void PutFile(std::string_view name, const std::uint8_t* data, std::size_t size, bool exists) {
    std::string path = TablePath(folder, name);
    if (!exists) {
        unlink(path.c_str());
        return;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // In memory where there is such a folder: the files are written for every input.
    std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/kelm-fuzz-XXXXXX" : "/tmp/kelm-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    folder = pattern;
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return -1;
    unsigned present = (data[0] & 3u) == 0 ? 3u : data[0] & 3u;
    const std::uint8_t* wares = data + 1;
    const auto* split = static_cast<const std::uint8_t*>(std::memchr(wares, 0, size - 1));
    std::size_t waresSize = split ? static_cast<std::size_t>(split - wares) : size - 1;
    const std::uint8_t* stations = split ? split + 1 : data + size;
    PutFile(kWaresFile, wares, waresSize, present & 1u);
    PutFile(kStationsFile, stations, static_cast<std::size_t>(data + size - stations), present & 2u);

    Catalogue catalogue;
    LoadReport report = LoadTables(folder, catalogue);
    TableCheck check = CheckTables(catalogue, report);

    // A chain left out is always explained, and the checks agree with themselves.
    if (check.CompleteCount() < static_cast<int>(kFactoryCount) && check.Problems.empty()) std::abort();
    for (std::size_t i = 0; i < kFactoryCount; ++i)
        if (check.Complete[i] && !ChainIsComplete(catalogue, FactoryList[i])) std::abort();
    for (const TableProblem& problem : check.Problems)
        if (ProblemText(problem).empty()) std::abort();
    if (!check.Problems.empty() && StartupMessageText(check).empty()) std::abort();
    return 0;
}
