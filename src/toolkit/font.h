#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "base/dpi_scale.h"
#include "toolkit/colour.h"
#include "toolkit/event.h"
#include "toolkit/gdi_handles.h"

enum FontStyle : unsigned {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

// A colour and the platform's logical-font fields. The height is in layout pixels (96 DPI);
// the HFONT is made for the scale its user asks with, on first use and again after a
// change of either. Every change is reported to the owner and then to OnChange.
class Font {
public:
    Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    LayoutPx Height() const { return LayoutPx(logFont_.lfHeight); }
    void SetHeight(LayoutPx height);
    int Weight() const { return logFont_.lfWeight; }
    void SetWeight(int weight);
    std::string FaceName() const;
    void SetFaceName(std::string_view face);  // at most 31 characters are kept
    unsigned Style() const;
    void SetStyle(unsigned style);  // FontStyle flags
    std::uint32_t Color() const { return colour_; }
    void SetColor(std::uint32_t colour);
    const LOGFONTW& LogFont() const { return logFont_; }

    // Copies every field of source, colour included.
    void Assign(const Font& source);

    HFONT Handle(DpiScale scale) const;

    // The control that owns the font hears of a change first, then anyone else listening.
    Event<Font&> OnOwnerChange;
    Event<Font&> OnChange;

private:
    void Changed();

    LOGFONTW logFont_{};
    std::uint32_t colour_ = kWindowTextColour;
    mutable OwnedFont handle_;
    mutable DpiScale handleScale_;  // the scale handle_ was made for
};

inline void AssignFont(Font& target, const Font& source) { target.Assign(source); }
