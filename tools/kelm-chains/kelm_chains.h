#pragma once
#include <string>
#include <vector>

// The command-line tool without its process: what it prints to standard output and to
// standard error, as UTF-8, and its exit code.
struct ToolOutput {
    std::string Out;
    std::string Err;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUsage = 2;

// args: the command-line arguments after the program name.
int RunKelmChains(const std::vector<std::string>& args, ToolOutput& output);
