#include "toolkit/accessibility.h"

#include "base/cp1251.h"

namespace {

// By full path: oleacc.dll is no known DLL, and the program's folder must not stand in for
// the system's.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
    if (folder == 0 || folder + 1 + lstrlenW(name) >= MAX_PATH) return nullptr;
    path[folder] = L'\\';
    lstrcpyW(path + folder + 1, name);
    return LoadLibraryW(path);
}

template <class Function>
void Find(HMODULE library, const char* name, Function& function) {
    // Through the one pointer type the compiler lets stand for any other.
    function = library ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)))
                       : nullptr;
}

// Process state, as the libraries are: loaded once, from the one thread that has windows
// (a function's static would bring in the thread library for its guard).
AccessibilityFunctions loaded{};
bool loadTried = false;

AccessibilityFunctions Load() {
    decltype(&CoInitializeEx) initialize = nullptr;
    Find(LoadSystemLibrary(L"ole32.dll"), "CoInitializeEx", initialize);
    // A single-threaded apartment: a reader's calls come in as messages of this thread,
    // between handlers, never on a thread of their own.
    if (!initialize || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) return {};
    AccessibilityFunctions functions{};
    HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    Find(oleacc, "LresultFromObject", functions.ResultFromObject);
    Find(oleacc, "CreateStdAccessibleObject", functions.CreateStandardObject);
    Find(LoadSystemLibrary(L"oleaut32.dll"), "SysAllocStringLen", functions.AllocString);
    return functions;
}

}  // namespace

const AccessibilityFunctions* Accessibility() {
    if (!loadTried) {
        loadTried = true;
        loaded = Load();
    }
    const bool complete = loaded.ResultFromObject && loaded.CreateStandardObject && loaded.AllocString;
    return complete ? &loaded : nullptr;
}

bool AnswerObjectRequest(IAccessible& object, WPARAM wParam, LRESULT& result) {
    const AccessibilityFunctions* functions = Accessibility();
    if (!functions) return false;
    result = functions->ResultFromObject(__uuidof(IAccessible), wParam, &object);
    return result >= 0;
}

IAccessible* NewStandardObject(HWND window) {
    const AccessibilityFunctions* functions = Accessibility();
    void* object = nullptr;
    if (!functions || FAILED(functions->CreateStandardObject(window, OBJID_CLIENT, __uuidof(IAccessible), &object)))
        return nullptr;
    return static_cast<IAccessible*>(object);
}

// Straight into the reader's string: nothing here can throw into its call.
HRESULT ReturnText(std::string_view text, BSTR* result) {
    const AccessibilityFunctions* functions = Accessibility();
    *result = functions ? functions->AllocString(nullptr, static_cast<UINT>(text.size())) : nullptr;
    if (!*result) return E_OUTOFMEMORY;
    for (std::size_t i = 0; i < text.size(); ++i)
        (*result)[i] = static_cast<wchar_t>(Cp1251ToCodePoint(static_cast<unsigned char>(text[i])));
    return S_OK;
}
