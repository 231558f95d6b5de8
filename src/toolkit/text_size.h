#pragma once
#include <windows.h>

#include <string_view>

#include "toolkit/font.h"

// The size a one-line text takes in the font, as a static control draws it; an italic text
// gets a space more for its overhang.
SIZE TextSize(HDC dc, const Font& font, std::string_view text);
