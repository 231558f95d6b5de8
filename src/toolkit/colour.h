#pragma once
#include <windows.h>

#include <cstdint>

// A colour value is an RGB value, or 0x80000000 plus a system colour index (GetSysColor).
constexpr std::uint32_t kSystemColour = 0x80000000u;
constexpr std::uint32_t kWindowColour = kSystemColour + COLOR_WINDOW;        // 0x80000005
constexpr std::uint32_t kWindowTextColour = kSystemColour + COLOR_WINDOWTEXT;  // 0x80000008
constexpr std::uint32_t kButtonFaceColour = kSystemColour + COLOR_BTNFACE;     // 0x8000000F
constexpr std::uint32_t kGreyTextColour = kSystemColour + COLOR_GRAYTEXT;      // 0x80000011

inline COLORREF ColourToRgb(std::uint32_t colour) {
    if (colour & kSystemColour) return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0x00FFFFFF;
}
