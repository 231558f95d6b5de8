#pragma once
#include <windows.h>

#include <oleacc.h>

#include <string_view>

// What answering screen readers takes from oleacc, oleaut32 and ole32. The libraries are
// loaded when the first reader asks, so a program nobody reads pays nothing for them at
// start; they stay loaded, as objects handed out may be called until the process ends.
struct AccessibilityFunctions {
    decltype(&LresultFromObject) ResultFromObject;
    decltype(&CreateStdAccessibleObject) CreateStandardObject;
    decltype(&SysAllocStringLen) AllocString;
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
IAccessible* NewStandardObject(HWND window);

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
