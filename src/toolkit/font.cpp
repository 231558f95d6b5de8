#include "toolkit/font.h"

#include <algorithm>
#include <cwchar>

#include "base/cp1251.h"

namespace {

constexpr int kBoldWeight = FW_BOLD;  // 700

}  // namespace

Font::Font() {
    logFont_.lfCharSet = DEFAULT_CHARSET;
    SetFaceName("MS Sans Serif");
}

void Font::SetHeight(LayoutPx height) {
    logFont_.lfHeight = height.Value;
    Changed();
}

void Font::SetWeight(int weight) {
    logFont_.lfWeight = weight;
    Changed();
}

std::string Font::FaceName() const { return WideToCp1251(logFont_.lfFaceName); }

void Font::SetFaceName(std::string_view face) {
    std::wstring wide = Cp1251ToWide(face.substr(0, LF_FACESIZE - 1));
    std::fill(std::begin(logFont_.lfFaceName), std::end(logFont_.lfFaceName), L'\0');
    std::copy(wide.begin(), wide.end(), logFont_.lfFaceName);
    Changed();
}

unsigned Font::Style() const {
    unsigned style = 0;
    if (logFont_.lfWeight >= kBoldWeight) style |= kFontBold;
    if (logFont_.lfItalic) style |= kFontItalic;
    if (logFont_.lfUnderline) style |= kFontUnderline;
    if (logFont_.lfStrikeOut) style |= kFontStrikeOut;
    return style;
}

void Font::SetStyle(unsigned style) {
    if (style & kFontBold) {
        if (logFont_.lfWeight < kBoldWeight) logFont_.lfWeight = kBoldWeight;
    } else if (logFont_.lfWeight >= kBoldWeight) {
        logFont_.lfWeight = 0;
    }
    logFont_.lfItalic = (style & kFontItalic) ? 1 : 0;
    logFont_.lfUnderline = (style & kFontUnderline) ? 1 : 0;
    logFont_.lfStrikeOut = (style & kFontStrikeOut) ? 1 : 0;
    Changed();
}

void Font::SetColor(std::uint32_t colour) {
    colour_ = colour;
    Changed();
}

void Font::Assign(const Font& source) {
    if (&source == this) return;
    logFont_ = source.logFont_;
    colour_ = source.colour_;
    Changed();
}

HFONT Font::Handle(DpiScale scale) const {
    if (!handle_ || handleScale_ != scale) {
        LOGFONTW scaled = logFont_;
        scaled.lfHeight = scale(LayoutPx(logFont_.lfHeight)).Value;
        handle_.Reset(CreateFontIndirectW(&scaled));
        handleScale_ = scale;
    }
    return handle_.Get();
}

void Font::Changed() {
    // The owner switches to the new handle before the old one is deleted.
    OwnedFont old = std::move(handle_);
    OnOwnerChange(*this);
    OnChange(*this);
}
