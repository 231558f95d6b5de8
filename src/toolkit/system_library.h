#pragma once
#include <windows.h>

// Libraries the program needs only for some actions are loaded when first needed, by full
// path from the system folder: they are no known DLLs, and the program's own folder must
// not stand in for the system's.
HMODULE LoadSystemLibrary(const wchar_t* name);

template <class Function>
void FindFunction(HMODULE library, const char* name, Function& function) {
    // Through the one pointer type the compiler lets stand for any other.
    function = library ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)))
                       : nullptr;
}
