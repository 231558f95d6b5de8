#include "report_output.h"

#include <string>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "tool_platform.h"

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

const char* FailureText(FileWrite failure) {
    switch (failure) {
        case FileWrite::NotCreated:
            return "в этой папке не удалось создать файл (папки нет или нет прав на запись)";
        case FileWrite::NotWritten: return "ошибка при записи (диск полон?)";
        case FileWrite::NotReplaced:
            return "его нельзя заменить (он открыт в другой программе, только для чтения или это папка)";
        case FileWrite::Written: break;
    }
    return "";
}

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
                  Cp1251ToUtf8(FailureText(result)) + "\n";
    return kExitNotWritten;
}
