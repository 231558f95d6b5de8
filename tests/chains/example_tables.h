#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "core/temp_folder.h"
#include "kelm_chains.h"

// The example tables and the tool run on them, for the tool's tests.
namespace example {

// The example chain of the cost calculation as table files: stations 0 to 2 are the
// support factories, every station of the list from 3 to 120 is the main factory.
struct ExampleTables {
    std::vector<std::string> Wares = {
        "Товар;80;100;120;10;00:10:00", "Деталь;10;12;14;4;00:20:00", "Сплав;2;3;5;5;00:05:00",
        "Топливо;60;70;80;2;00:15:00",  "Руда;15;20;25;1;00:01:00",   "Уголь;2;3;4;1;00:01:00",
        "Вода;8;10;12;1;00:01:00",      "Газ;20;25;30;1;00:01:00",    "Люкс;150;200;250;10;00:10:00",
    };
    std::vector<std::string> Stations = {
        "Цех деталей;1;2;5;2;0;10;1;0;0;0;0;0",
        "Плавильня;2;1;6;0;0;2;0;0;0;0;0;0",
        "Нефтебаза;3;1;7;0;0;4;0;0;0;0;0;0",
    };
    static constexpr const char* kMainStation = "Завод;0;3;4;1;3;5;2;1;0;0;1;2";

    ExampleTables() { Stations.resize(121, kMainStation); }

    static std::string FileText(const std::vector<std::string>& records) {
        std::string text = "// example\r\n" + std::to_string(records.size()) + "\r\n";
        for (const std::string& record : records) text += record + "\r\n";
        return text;
    }
};

struct ToolRun {
    int ExitCode;
    ToolOutput Output;
};

// Arguments are given as UTF-8 and passed on as the system would pass them.
inline ToolRun Tool(const std::vector<std::string>& utf8Args) {
    std::vector<NativePath::String> args;
    for (const std::string& arg : utf8Args)
        args.push_back(std::filesystem::path(std::u8string(arg.begin(), arg.end())).native());
    ToolRun run;
    run.ExitCode = RunKelmChains(args, run.Output);
    return run;
}

// A path as the tool shows it and as the tests pass it.
inline std::string Utf8Path(const std::filesystem::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline std::string Utf8(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }

// The raw value after "key": in JSON, up to the next ",", "}" or line end.
inline std::string JsonField(const std::string& json, const std::string& key) {
    std::size_t start = json.find("\"" + key + "\": ");
    if (start == std::string::npos) return "(no " + key + ")";
    start += key.size() + 4;
    return json.substr(start, json.find_first_of(",}\n", start) - start);
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The example tables written into a fresh folder, for the tool to read.
struct ToolTest : testing::Test {
    TempFolder folder;
    ExampleTables tables;

    // Writes the tables into the folder (or a folder in it) and returns where, as UTF-8.
    std::string Write(const std::filesystem::path& inside = {}) {
        std::filesystem::create_directories(folder.Path() / inside);
        folder.Write(inside / "wares.csv", ExampleTables::FileText(tables.Wares));
        folder.Write(inside / "stations.csv", ExampleTables::FileText(tables.Stations));
        return Utf8Path(folder.Path() / inside);
    }
};

}  // namespace example
