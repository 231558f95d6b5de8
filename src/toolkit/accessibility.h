#pragma once
#include <windows.h>

#include <oleacc.h>

#include <string_view>

#include "toolkit/com_ref.h"

// What answering screen readers takes from oleacc, oleaut32 and ole32. The libraries are
// loaded when the first reader asks, so a program nobody reads pays nothing for them at
// start; they stay loaded, as objects handed out may be called until the process ends.
struct AccessibilityFunctions {
    decltype(&LresultFromObject) ResultFromObject;
    decltype(&CreateStdAccessibleObject) CreateStandardObject;
    decltype(&SysAllocStringLen) AllocString;
    decltype(&CoDisconnectObject) DisconnectObject;
};

// Null when the libraries can't be had: the window then answers as it would without us.
const AccessibilityFunctions* Accessibility();

// Whether a WM_GETOBJECT's object id asks for the window's client area.
inline bool AsksForClientObject(LPARAM objectId) {
    return static_cast<LONG>(static_cast<DWORD>(objectId)) == OBJID_CLIENT;
}

// Hands the object to the reader that sent WM_GETOBJECT; false when that failed.
bool AnswerObjectRequest(IAccessible& object, WPARAM wParam, LRESULT& result);

// The platform's own object for the window's client area, or null.
ComRef<IAccessible> NewStandardObject(HWND window);

// Cuts off the readers in other processes still holding the object: their calls fail in
// COM and their references to it are dropped.
void DisconnectFromReaders(IUnknown& object);

// A program text as the reader takes it, a string it frees.
HRESULT ReturnText(std::string_view text, BSTR* result);

inline bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

inline HRESULT ReturnChild(LONG id, VARIANT* result) {
    result->vt = VT_I4;
    result->lVal = id;
    return S_OK;
}

inline HRESULT ReturnNothing(VARIANT* result) {
    result->vt = VT_EMPTY;
    return S_FALSE;
}

// Out-parameters as a failed call leaves them: nothing for the reader to free.
inline void ClearOut(LONG* out) { *out = 0; }
inline void ClearOut(BSTR* out) { *out = nullptr; }
inline void ClearOut(IDispatch** out) { *out = nullptr; }
inline void ClearOut(IEnumVARIANT** out) { *out = nullptr; }
inline void ClearOut(VARIANT* out) { out->vt = VT_EMPTY; }

// The answer's result, or what its exception means to a reader: E_OUTOFMEMORY when memory
// ran out, E_FAIL for anything else. Never an exception into the reader's call.
HRESULT CatchAll(HRESULT (*answer)(void*), void* context) noexcept;

// One reader's call: refused without a place for each answer, or once the object has lost
// what it describes; its out-parameters stay empty unless it succeeds.
template <class Answer, class... Out>
HRESULT AnswerGuarded(bool connected, Answer answer, Out*... out) {
    if ((!out || ...)) return E_POINTER;
    (ClearOut(out), ...);
    if (!connected) return RPC_E_DISCONNECTED;
    const HRESULT result = CatchAll([](void* context) { return (*static_cast<Answer*>(context))(); }, &answer);
    if (FAILED(result)) (ClearOut(out), ...);
    return result;
}
