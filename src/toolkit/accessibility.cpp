#include "toolkit/accessibility.h"

#include <new>

#include "base/cp1251.h"
#include "toolkit/system_library.h"

namespace {

// Process state, as the libraries are: loaded once, from the one thread that has windows
// (a function's static would bring in the thread library for its guard).
AccessibilityFunctions loaded{};
bool loadTried = false;

AccessibilityFunctions Load() {
    decltype(&CoInitializeEx) initialize = nullptr;
    HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
    FindFunction(ole32, "CoInitializeEx", initialize);
    // A single-threaded apartment: a reader's calls come in as messages of this thread,
    // between handlers, never on a thread of their own.
    if (!initialize || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) return {};
    AccessibilityFunctions functions{};
    FindFunction(ole32, "CoDisconnectObject", functions.DisconnectObject);
    HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    FindFunction(oleacc, "LresultFromObject", functions.ResultFromObject);
    FindFunction(oleacc, "CreateStdAccessibleObject", functions.CreateStandardObject);
    FindFunction(LoadSystemLibrary(L"oleaut32.dll"), "SysAllocStringLen", functions.AllocString);
    return functions;
}

}  // namespace

const AccessibilityFunctions* Accessibility() {
    if (!loadTried) {
        loadTried = true;
        loaded = Load();
    }
    const bool complete =
        loaded.ResultFromObject && loaded.CreateStandardObject && loaded.AllocString && loaded.DisconnectObject;
    return complete ? &loaded : nullptr;
}

bool AnswerObjectRequest(IAccessible& object, WPARAM wParam, LRESULT& result) {
    const AccessibilityFunctions* functions = Accessibility();
    if (!functions) return false;
    result = functions->ResultFromObject(__uuidof(IAccessible), wParam, &object);
    return result >= 0;
}

ComRef<IAccessible> NewStandardObject(HWND window) {
    const AccessibilityFunctions* functions = Accessibility();
    void* object = nullptr;
    if (!functions || FAILED(functions->CreateStandardObject(window, OBJID_CLIENT, __uuidof(IAccessible), &object)))
        return {};
    return ComRef<IAccessible>(static_cast<IAccessible*>(object));
}

void DisconnectFromReaders(IUnknown& object) {
    if (const AccessibilityFunctions* functions = Accessibility()) functions->DisconnectObject(&object, 0);
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

HRESULT CatchAll(HRESULT (*answer)(void*), void* context) noexcept {
    try {
        return answer(context);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}
