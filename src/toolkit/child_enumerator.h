#pragma once
#include <windows.h>

#include <oaidl.h>

#include <vector>

// The children an object's selection holds, for a screen reader to walk through: child
// ids as VT_I4 variants. The new enumerator has one reference.
IEnumVARIANT* NewChildEnumerator(std::vector<LONG> ids);
