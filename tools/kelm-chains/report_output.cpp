#include "report_output.h"

#include <string>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "tool_platform.h"

namespace {

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

int DeliverReport(std::string_view report, const std::optional<NativePath>& file, bool byteOrderMark,
                  ToolOutput& output) {
    if (!file) {
        output.Out += report;
        return kExitOk;
    }
    FileWrite result = WriteFileReplacing(*file, WindowsTextFile(report, byteOrderMark));
    if (result == FileWrite::Written) return kExitOk;
    output.Err += "kelm-chains: " + CommandLineText(file->Native()) + Cp1251ToUtf8(": отчет не записан: ") +
                  Cp1251ToUtf8(FailureText(result)) + "\n";
    return kExitNotWritten;
}
