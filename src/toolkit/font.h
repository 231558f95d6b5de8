#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/colour.h"
#include "toolkit/dpi_scale.h"
#include "toolkit/event.h"
#include "toolkit/gdi_handles.h"

enum FontStyle : unsigned {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

// A colour and the platform's logical-font fields. The height is in layout pixels (96 DPI)
// and the HFONT gets it scaled to the display. The HFONT is made on first use and remade
// after a change; every change is reported to the owner and then to OnChange.
class Font {
public:
    Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int Height() const { return logFont_.lfHeight; }
    void SetHeight(int height);
    int Weight() const { return logFont_.lfWeight; }
    void SetWeight(int weight);
    std::string FaceName() const;
    void SetFaceName(std::string_view face);  // at most 31 characters are kept
    unsigned Style() const;
    void SetStyle(unsigned style);  // FontStyle flags
    std::uint32_t Color() const { return colour_; }
    void SetColor(std::uint32_t colour);
    const LOGFONTW& LogFont() const { return logFont_; }
    DpiScale Scale() const { return scale_; }
    void SetScale(DpiScale scale);

    // Copies every field of source, colour and scale included.
    void Assign(const Font& source);

    HFONT Handle() const;

    // The control that owns the font hears of a change first, then anyone else listening.
    Event<Font&> OnOwnerChange;
    Event<Font&> OnChange;

private:
    void Changed();

    LOGFONTW logFont_{};
    std::uint32_t colour_ = kWindowTextColour;
    DpiScale scale_;
    mutable OwnedFont handle_;
};

inline void AssignFont(Font& target, const Font& source) { target.Assign(source); }
