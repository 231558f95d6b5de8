#pragma once
#include <string>

#include "calc/amount.h"

// The texts shown in place of an amount, as strings a test compares with.
inline const std::string kOverflow(kOverflowText);
inline const std::string kNoData(kNoDataText);
