#pragma once
#include "base/native_path.h"

// The folder to load the tables from, given the working folder and the executable's folder
// (either may be empty, meaning the current folder). "tables" in the working folder wins
// when both files open there, then the one beside the executable. When neither has
// both, the one with more files that open is taken, the working folder on a tie, so that the
// problems reported name the files the user most likely meant.
NativePath FindTablesFolder(const NativePath& workingFolder, const NativePath& exeFolder);
