#pragma once
#include <windows.h>

#include <string_view>

#include "toolkit/font.h"

// The size in device pixels a one-line text takes in the font at the scale, as a static
// control draws it; an italic text gets a space more for its overhang.
SIZE TextSize(HDC dc, const Font& font, DpiScale scale, std::string_view text);
