#include "report_output.h"

#include <string>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "tool_platform.h"

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

int DeliverReport(std::string_view report, const std::optional<NativePath>& file, bool csv, ToolOutput& output) {
    if (!file) {
        output.Out += report;
        return kExitOk;
    }
    std::string bytes;
    bytes.reserve(kUtf8ByteOrderMark.size() + report.size());
    if (csv) bytes += kUtf8ByteOrderMark;
    bytes += report;
    FileWrite result = WriteFileReplacing(*file, bytes);
    if (result == FileWrite::Written) return kExitOk;
    output.Err += "kelm-chains: " + CommandLineText(file->Native()) + Cp1251ToUtf8(": отчет не записан: ") +
                  Cp1251ToUtf8(FileWriteProblem(result)) + "\n";
    return kExitNotWritten;
}
