#include "toolkit/canvas.h"

#include "base/cp1251.h"
#include "toolkit/colour.h"

void Canvas::SetBrushColor(std::uint32_t colour) {
    OwnedBrush brush(CreateSolidBrush(ColourToRgb(colour)));
    if (brushGuard_)
        SelectObject(dc_, brush.Get());
    else
        brushGuard_.emplace(dc_, brush.Get());
    brush_ = std::move(brush);
}

void Canvas::SetPen(std::uint32_t colour, int width) {
    OwnedPen pen(CreatePen(PS_SOLID, width, ColourToRgb(colour)));
    if (penGuard_)
        SelectObject(dc_, pen.Get());
    else
        penGuard_.emplace(dc_, pen.Get());
    pen_ = std::move(pen);
}

void Canvas::SetFont(const Font& font, DpiScale scale) {
    if (fontGuard_)
        SelectObject(dc_, font.Handle(scale));
    else
        fontGuard_.emplace(dc_, font.Handle(scale));
    SetTextColor(font.Color());
}

void Canvas::SetTextColor(std::uint32_t colour) { ::SetTextColor(dc_, ColourToRgb(colour)); }

void Canvas::SetTransparentText(bool transparent) {
    SetBkMode(dc_, transparent ? TRANSPARENT : OPAQUE);
}

void Canvas::FillRect(const RECT& area) { ::FillRect(dc_, &area, brush_.Get()); }

void Canvas::FrameRect(const RECT& area) { ::FrameRect(dc_, &area, brush_.Get()); }

void Canvas::Line(int x1, int y1, int x2, int y2) {
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

void Canvas::DrawText(std::string_view text, RECT area, UINT format) {
    std::wstring wide = Cp1251ToWide(text);
    ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

void Canvas::DrawFocusRect(const RECT& area) { ::DrawFocusRect(dc_, &area); }

void Canvas::InvertRect(const RECT& area) { ::InvertRect(dc_, &area); }

void OffscreenBitmap::Resize(HDC reference, int width, int height) {
    if (dc_ && width == width_ && height == height_) return;
    selected_.reset();
    bitmap_.Reset();
    if (!dc_) dc_.Reset(CreateCompatibleDC(reference));
    bitmap_.Reset(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1));
    selected_.emplace(dc_.Get(), bitmap_.Get());
    width_ = width;
    height_ = height;
}

void OffscreenBitmap::CopyTo(HDC target, int left, int top) const {
    if (dc_) BitBlt(target, left, top, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
}
