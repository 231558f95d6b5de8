#pragma once
#include <windows.h>

#include <oaidl.h>

#include <vector>

#include "toolkit/com_ref.h"

// The children an object's selection holds, for a screen reader to walk through: child
// ids as VT_I4 variants.
ComRef<IEnumVARIANT> NewChildEnumerator(std::vector<LONG> ids);
