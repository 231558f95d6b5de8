#include <cstdio>
#include <string>
#include <vector>

#include "kelm_chains.h"
#include "tool_platform.h"

int main(int argc, char** argv) {
    Utf8Console console;
    std::vector<std::string> args(argv + 1, argv + argc);
    ToolOutput output;
    int exitCode = RunKelmChains(args, output);
    std::fwrite(output.Out.data(), 1, output.Out.size(), stdout);
    std::fwrite(output.Err.data(), 1, output.Err.size(), stderr);
    return std::fflush(stdout) == 0 ? exitCode : kExitProblems;
}
