#include "calc/tables_folder.h"

#include "data/table_loader.h"
#include "toolkit/file_bytes.h"

namespace {

int ReadableTables(const std::string& folder) {
    return int{FileReader(TablePath(folder, kWaresFile)).IsOpen()} +
           int{FileReader(TablePath(folder, kStationsFile)).IsOpen()};
}

}  // namespace

std::string FindTablesFolder(const std::string& workingFolder, const std::string& exeFolder) {
    std::string working = TablePath(workingFolder, kTablesFolder);
    std::string besideExe = TablePath(exeFolder, kTablesFolder);
    int inWorking = ReadableTables(working);
    if (inWorking == 2) return working;
    return ReadableTables(besideExe) > inWorking ? besideExe : working;
}
