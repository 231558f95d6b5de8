#include "toolkit/text_size.h"

#include "base/cp1251.h"
#include "toolkit/gdi_handles.h"

SIZE TextSize(HDC dc, const Font& font, DpiScale scale, std::string_view text) {
    if (text.empty()) return {0, 0};
    std::wstring wide = Cp1251ToWide(text);
    if (font.Style() & kFontItalic) wide += L' ';
    SelectGuard selected(dc, font.Handle(scale));
    RECT area{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, DT_CALCRECT | DT_NOPREFIX);
    return {area.right, area.bottom};
}
