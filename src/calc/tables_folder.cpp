#include "calc/tables_folder.h"

#include "base/file_bytes.h"
#include "data/table_loader.h"

namespace {

int ReadableTables(const NativePath& folder) {
    return int{FileReader(folder / kWaresFile).IsOpen()} + int{FileReader(folder / kStationsFile).IsOpen()};
}

}  // namespace

NativePath FindTablesFolder(const NativePath& workingFolder, const NativePath& exeFolder) {
    NativePath working = workingFolder / kTablesFolder;
    NativePath besideExe = exeFolder / kTablesFolder;
    int inWorking = ReadableTables(working);
    if (inWorking == 2) return working;
    return ReadableTables(besideExe) > inWorking ? besideExe : working;
}
