#include <vector>

#include "kelm_chains.h"
#include "tool_platform.h"

namespace {

int Run(const std::vector<NativePath::String>& args) {
    ToolOutput output;
    output.ConsoleColumns = ConsoleColumns(StandardStream::Output);
    int exitCode = RunKelmChains(args, output);
    bool written = WriteStandard(StandardStream::Output, output.Out);
    WriteStandard(StandardStream::Error, output.Err);
    return written ? exitCode : kExitProblems;
}

}  // namespace

// Arguments as the system passes them: on Windows wide, so that a folder name keeps every
// letter whatever the system's code page.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return Run({argv + 1, argv + argc}); }
#else
int main(int argc, char** argv) { return Run({argv + 1, argv + argc}); }
#endif
