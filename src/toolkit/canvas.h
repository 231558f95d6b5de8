#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "toolkit/font.h"
#include "toolkit/gdi_handles.h"

// Drawing on a borrowed device context with a brush, a pen and a font of its own. Whatever
// it selects is deselected when the canvas ends, before its own objects are freed.
class Canvas {
public:
    explicit Canvas(HDC dc) : dc_(dc) {}
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }

    void SetBrushColor(std::uint32_t colour);
    void SetPen(std::uint32_t colour, int width);
    // Also takes the font's colour as the text colour.
    void SetFont(const Font& font, DpiScale scale);
    void SetTextColor(std::uint32_t colour);
    void SetTransparentText(bool transparent);

    void FillRect(const RECT& area);   // with the brush
    void FrameRect(const RECT& area);  // one-pixel frame with the brush
    void Line(int x1, int y1, int x2, int y2);  // with the pen, the last point excluded
    void DrawText(std::string_view text, RECT area, UINT format);
    void DrawFocusRect(const RECT& area);
    void InvertRect(const RECT& area);

private:
    HDC dc_;
    OwnedBrush brush_;
    OwnedPen pen_;
    // Guards end before the handles above are freed: members end in reverse order.
    std::optional<SelectGuard> brushGuard_;
    std::optional<SelectGuard> penGuard_;
    std::optional<SelectGuard> fontGuard_;
};

// A picture of a given size drawn off the screen and then copied to a window in one step.
class OffscreenBitmap {
public:
    OffscreenBitmap() = default;
    OffscreenBitmap(const OffscreenBitmap&) = delete;
    OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

    // Makes the picture width x height, compatible with reference; kept when the size holds.
    void Resize(HDC reference, int width, int height);
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void CopyTo(HDC target, int left, int top) const;

private:
    OwnedMemoryDc dc_;
    OwnedBitmap bitmap_;
    std::optional<SelectGuard> selected_;
    int width_ = 0;
    int height_ = 0;
};
