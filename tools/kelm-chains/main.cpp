#include <cstdio>
#include <vector>

#include "kelm_chains.h"
#include "tool_platform.h"

namespace {

int Run(const std::vector<NativePath::String>& args) {
    Utf8Console console;
    ToolOutput output;
    int exitCode = RunKelmChains(args, output);
    std::fwrite(output.Out.data(), 1, output.Out.size(), stdout);
    std::fwrite(output.Err.data(), 1, output.Err.size(), stderr);
    return std::fflush(stdout) == 0 ? exitCode : kExitProblems;
}

}  // namespace

// Arguments as the system passes them: on Windows wide, so that a folder name keeps every
// letter whatever the system's code page.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return Run({argv + 1, argv + argc}); }
#else
int main(int argc, char** argv) { return Run({argv + 1, argv + argc}); }
#endif
