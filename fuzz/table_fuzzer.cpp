// Arbitrary bytes as the two table files and what a user types. The first byte says which
// files exist (bit 0: wares, bit 1: stations, both when clear); the rest splits at zero
// bytes into wares.csv, stations.csv and typed texts (one a line). The tables go through
// the loader and the checks, and every chain the checks accept through what the window
// does with a chain: showing it, the price buttons, the calculation.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/chain.h"
#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "calc/table_check.h"
#include "data/factory_list.h"
#include "data/table_loader.h"

namespace {

std::string folder;

void Require(bool condition) {
    if (!condition) std::abort();
}

void RemoveFolder() {
    unlink((NativePath(folder) / kWaresFile).Native().c_str());
    unlink((NativePath(folder) / kStationsFile).Native().c_str());
    rmdir(folder.c_str());
}

void PutFile(std::string_view name, std::string_view bytes, bool exists) {
    std::string path = (NativePath(folder) / name).Native();
    if (!exists) {
        unlink(path.c_str());
        return;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    Require(std::fclose(file) == 0);
}

// Splits off the part of rest before its first zero byte; all of it when it has none.
std::string_view TakePart(std::string_view& rest) {
    std::size_t end = rest.find('\0');
    std::string_view part = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return part;
}

// A complete chain never lacks the data for a result; an overflow can still happen.
void RequireData(const std::optional<ChainFigures>& figures) {
    Require(figures.has_value());
    for (const Amount& figure : figures->Results.Values) Require(figure.Problem != Fault::NoData);
}

// Everything the window can do with the chain of one factory entry.
void UseChain(const Catalogue& catalogue, int item, std::string_view typed) {
    ChainModel model;
    Require(ShowChain(model, catalogue, item));
    RequireData(CalculateChain(model, catalogue, item));

    Require(SetResourcePrices(model, catalogue, item, PriceLevel::Maximum));
    Require(SetProductPrices(model, catalogue, item, PriceLevel::Minimum));
    model[kSupport1].Active = false;
    model[kSupport3].Active = false;
    RequireData(CalculateChain(model, catalogue, item));

    // Typed texts go into the sale-price boxes and every cell, line after line, repeated.
    if (typed.empty()) return;
    std::string_view rest = typed;
    auto next = [&] {
        if (rest.empty()) rest = typed;
        std::size_t end = rest.find('\n');
        std::string text(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        return text;
    };
    for (FactoryTexts& factory : model.Factories) {
        factory.SalePrice = next();
        for (ResourceRowTexts& row : factory.Rows) {
            row.Quantity = next();
            row.Price = next();
        }
    }
    model.ManualPrices = true;
    for (FactoryTexts& factory : model.Factories) factory.Active = true;
    Require(CalculateChain(model, catalogue, item).has_value());
    model.ManualPrices = false;
    Require(CalculateChain(model, catalogue, item).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // In memory where there is such a folder: the files are written for every input.
    std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/kelm-fuzz-XXXXXX" : "/tmp/kelm-fuzz-XXXXXX";
    Require(mkdtemp(pattern.data()) != nullptr);
    folder = pattern;
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return -1;
    unsigned present = (data[0] & 3u) == 0 ? 3u : data[0] & 3u;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string_view wares = TakePart(rest);
    std::string_view stations = TakePart(rest);
    PutFile(kWaresFile, wares, present & 1u);
    PutFile(kStationsFile, stations, present & 2u);

    Catalogue catalogue;
    LoadReport report = LoadTables(NativePath(folder), catalogue);
    TableCheck check = CheckTables(catalogue, report);

    // A chain left out is always explained, and the checks agree with themselves and with
    // the chain operations' own guard.
    Require(check.CompleteCount() == static_cast<int>(kFactoryCount) || check.ErrorCount() > 0);
    for (const TableProblem& problem : check.Problems) Require(!ProblemText(problem).empty());
    Require(check.Problems.empty() || !StartupMessageText(check).empty());
    for (std::size_t i = 0; i < kFactoryCount; ++i) {
        Require(check.Complete[i] == ChainIsComplete(catalogue, FactoryList[i]));
        if (!check.Complete[i]) continue;
        Require(ChainOfItem(catalogue, static_cast<int>(i)).has_value());
        UseChain(catalogue, static_cast<int>(i), rest);
    }
    return 0;
}
