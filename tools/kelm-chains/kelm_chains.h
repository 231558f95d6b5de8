#pragma once
#include <string>
#include <vector>

#include "base/native_path.h"

// The command-line tool without its process: what it prints to standard output and to
// standard error, as UTF-8, and its exit code.
struct ToolOutput {
    std::string Out;
    std::string Err;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNotWritten = 2;  // the report file could not be written

// args: the command-line arguments after the program name, as the platform gives them.
int RunKelmChains(const std::vector<NativePath::String>& args, ToolOutput& output);
