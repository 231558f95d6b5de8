#include "toolkit/accessibility.h"

#include <exception>
#include <string>

#include "toolkit/cp1251.h"

namespace {

// By full path: oleacc.dll is no known DLL, and the program's folder must not stand in for
// the system's.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(folder, length);
    path += L'\\';
    path += name;
    return LoadLibraryW(path.c_str());
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

// No exception may unwind into the reader's call.
HRESULT ReturnText(std::string_view text, BSTR* result) {
    *result = nullptr;
    const AccessibilityFunctions* functions = Accessibility();
    if (!functions) return E_FAIL;
    try {
        std::wstring wide = Cp1251ToWide(text);
        *result = functions->AllocString(wide.data(), static_cast<UINT>(wide.size()));
    } catch (const std::exception&) {
        return E_OUTOFMEMORY;
    }
    return *result ? S_OK : E_OUTOFMEMORY;
}
