#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "grid/xl_grid.h"
#include "grid/test_grid_host.h"
#include "toolkit/colour.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/custom_control.h"
#include "toolkit/edit_box.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// Holds keys down as far as GetKeyState can tell, for as long as it lives.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256];
};

// A 32-bit memory picture a grid paints into through WM_PAINT's wParam.
class Picture {
public:
    Picture(int width, int height, COLORREF fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Picture() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        std::uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const RECT& area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += Pixel(x, y) == colour;
        return count;
    }
    // Pixels nearer the ink than the background: text edges are blended with the background
    // by anti-aliasing, so exact-colour counts depend on the font's rendering.
    int Ink(const RECT& area, COLORREF background, COLORREF ink) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                COLORREF pixel = Pixel(x, y);
                count += Distance(pixel, ink) < Distance(pixel, background);
            }
        return count;
    }
    bool AllAre(const RECT& area, COLORREF colour) const {
        return Count(area, colour) == (area.right - area.left) * (area.bottom - area.top);
    }

private:
    static int Distance(COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
               std::abs(GetBValue(a) - GetBValue(b));
    }

    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    const std::uint32_t* bits_;
};

inline COLORREF Sys(int index) { return GetSysColor(index); }

// A form with one grid set up as the main window sets up its resource grids, and an
// edit box the grid can borrow, as the main window lends its price editor.
class GridWindowTest : public ::testing::Test {
protected:
    GridWindowTest() : form_(MakeForm()), grid_(NewXLGrid(*form_, {.Border = false})) {
        editor_ = &EditBox::Create(*form_, {.DigitsOnly = true});
        editor_->SetVisible(false);
        Control& control = grid_.AsControl();
        control.Resize(331_lpx, 81_lpx);
        grid_.SetRowHeaderWidth(0_lpx);
        grid_.SetLeftLineWidth(0_lpx);
        grid_.SetTopLineWidth(0_lpx);
        control.GetFont().SetStyle(0);
        grid_.HeaderFont().Assign(form_->GetFont());
        grid_.HeaderFont().SetStyle(0);
        const LayoutPx widths[] = {160_lpx, 70_lpx, 100_lpx};
        grid_.SetColWidths(widths);
        grid_.SetColCaption(0, "Ресурс");
        grid_.SetColCaption(1, "Кол-во");
        grid_.SetColCaption(2, "Цена покупки");
        // The form stays hidden: it takes the focus all the same, and a shown window's
        // destruction waits for a window manager the test display doesn't have.
        PumpMessages();
    }

    static std::unique_ptr<Control> MakeForm() {
        std::unique_ptr<Form> form = Form::Create({"grid test"});
        form->Resize(600_lpx, 400_lpx);
        form->GetFont().SetFaceName("Tahoma");
        form->GetFont().SetHeight(-11_lpx);
        return form;
    }

    HWND GridWindow() const { return grid_.AsControl().Window(); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        LRESULT result = SendMessageW(GridWindow(), message, wParam, lParam);
        PumpMessages();
        return result;
    }
    void Key(int key) { Send(WM_KEYDOWN, static_cast<WPARAM>(key)); }
    void Click(int x, int y, WPARAM keys = 0) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON | keys, Point(x, y));
        Send(WM_LBUTTONUP, keys, Point(x, y));
    }
    void Wheel(int delta, WPARAM keys = 0) {
        Send(WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(static_cast<short>(delta))), Point(0, 0));
    }
    // The centre of a cell in client coordinates.
    POINT CellCentre(int col, int row) const {
        const DeviceRect r = grid_.CellRect(col, row);
        return {(r.Left + r.Right()).Value / 2, (r.Top + r.Bottom()).Value / 2};
    }
    void ClickCell(int col, int row) {
        POINT p = CellCentre(col, row);
        Click(p.x, p.y);
    }
    std::string CellText(int col, int row) const { return grid_.Cell(col, row)->Text; }

    std::unique_ptr<Control> form_;
    XLGrid& grid_;
    EditBox* editor_ = nullptr;
};
