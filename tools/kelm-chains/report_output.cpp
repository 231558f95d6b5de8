#include "report_output.h"

#include <string>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "tool_platform.h"

int DeliverReport(std::string_view report, const std::optional<NativePath>& file, bool byteOrderMark,
                  ToolOutput& output) {
    if (!file) {
        output.Out += report;
        return kExitOk;
    }
    FileWrite result = WriteFileReplacing(*file, WindowsTextFile(report, byteOrderMark));
    if (result == FileWrite::Written) return kExitOk;
    output.Err += "kelm-chains: " + CommandLineText(file->Native()) + Cp1251ToUtf8(": отчет не записан: ") +
                  Cp1251ToUtf8(FileWriteProblem(result)) + "\n";
    return kExitNotWritten;
}
