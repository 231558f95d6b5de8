#include <cstdio>
#include <string>
#include <vector>

#include "kelm_chains.h"
#include "tool_platform.h"

#ifdef _WIN32
#include "toolkit/cp1251.h"
#endif

namespace {

int Run(const std::vector<std::string>& args) {
    Utf8Console console;
    ToolOutput output;
    int exitCode = RunKelmChains(args, output);
    std::fwrite(output.Out.data(), 1, output.Out.size(), stdout);
    std::fwrite(output.Err.data(), 1, output.Err.size(), stderr);
    return std::fflush(stdout) == 0 ? exitCode : kExitProblems;
}

}  // namespace

#ifdef _WIN32
// Wide arguments: a folder name with Cyrillic letters survives whatever the system's code page.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(WideToCp1251(argv[i]));
    return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
