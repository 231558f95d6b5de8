#pragma once
#include <string_view>

#include "toolkit/control.h"

// Gives a standard control the name a screen reader reads for it, where its window text
// or the text before it says too little (an edit box, a drop-down list). A later call
// renames it.
void SetAccessibleName(Control& control, std::string_view name);
