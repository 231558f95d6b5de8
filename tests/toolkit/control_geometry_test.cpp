#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/custom_control.h"
#include "toolkit/edit_box.h"
#include "toolkit/form.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/canvas.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/message_pump.h"
#include "toolkit/window_place.h"

namespace {

// The ink of a check box's caption as the box paints it: where the last of it ends, and
// whether it ends in three dots (three runs of ink no more than two pixels high, on one line).
struct CaptionInk {
    int right = -1;
    bool endsInThreeDots = false;
};

CaptionInk PaintedCaption(const CheckBox& box, int captionLeft) {
    const DeviceRect place = WindowPlace(box.Window());
    WindowDc screen(nullptr);
    OffscreenBitmap picture;
    picture.Resize(screen.Get(), place.Width.Value, place.Height.Value);
    SendMessageW(box.Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF background = GetPixel(picture.Dc(), place.Width.Value - 1, 0);
    struct Run {
        int top, bottom;
    };
    std::vector<Run> runs;
    bool inRun = false;
    CaptionInk ink;
    for (int x = captionLeft; x < place.Width.Value; ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < place.Height.Value; ++y)
            if (GetPixel(picture.Dc(), x, y) != background) {
                if (top < 0) top = y;
                bottom = y;
            }
        if (top < 0) {
            inRun = false;
            continue;
        }
        ink.right = x;
        if (!inRun) runs.push_back({top, bottom});
        runs.back().top = std::min(runs.back().top, top);
        runs.back().bottom = std::max(runs.back().bottom, bottom);
        inRun = true;
    }
    if (runs.size() >= 4) {
        const Run* last = &runs[runs.size() - 3];
        ink.endsInThreeDots = true;
        for (int i = 0; i < 3; ++i)
            ink.endsInThreeDots = ink.endsInThreeDots && last[i].bottom - last[i].top <= 1 &&
                                  last[i].top == last[0].top;
    }
    return ink;
}

BOOL CALLBACK KeepTooltip(HWND window, LPARAM found) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wstring(name) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

// The text the thread's tooltip shows for a control's window, or empty without one.
std::wstring TooltipText(HWND control) {
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &KeepTooltip, reinterpret_cast<LPARAM>(&tooltip));
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    if (tooltip) SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return text;
}

struct ScaleCounter {
    int changes = 0;
    int fonts = 0;
    int resizes = 0;
    void Changed(Control&) { ++changes; }
    void Resized(Control&) { ++resizes; }
    bool SeeFont(Control&, const Message& message, LRESULT&) {
        fonts += message.Id == WM_SETFONT;
        return false;
    }
};

class ControlGeometryTest : public ::testing::Test {
protected:
    std::unique_ptr<Form> form = Form::Create({"geometry"});
};

TEST_F(ControlGeometryTest, ResizeWithZeroKeepsThatDimension) {
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    combo.Resize(360_lpx, 0_lpx);
    EXPECT_EQ(combo.Place(), MakeLayoutRect(0, 0, 360, 22));
    EXPECT_EQ(WindowPlace(combo.Window()).Width, 360_dpx);
    auto& label = Label::Create(*form, {.Text = "x"});
    label.Resize(0_lpx, 40_lpx).Resize(-5_lpx, 0_lpx);
    EXPECT_EQ(label.Place(), MakeLayoutRect(0, 0, 100, 40));
    EXPECT_EQ(WindowPlace(label.Window()), MakeDeviceRect(0, 0, 100, 40));
}

TEST_F(ControlGeometryTest, ResizingAFormSetsItsClientArea) {
    form->Resize(722_lpx, 586_lpx);
    EXPECT_EQ(form->ClientWidth(), 722_dpx);
    EXPECT_EQ(form->ClientHeight(), 586_dpx);
    EXPECT_GT(WindowPlace(form->Window()).Width, 722_dpx);
}

TEST_F(ControlGeometryTest, LabelAutoSizeFollowsItsText) {
    auto& label = Label::Create(*form, {.Text = "short", .AutoSize = true});
    DevicePx shortWidth = WindowPlace(label.Window()).Width;
    EXPECT_GT(shortWidth, 1_dpx);
    EXPECT_GT(WindowPlace(label.Window()).Height, 1_dpx);
    label.SetText("a much longer text than before");
    EXPECT_GT(WindowPlace(label.Window()).Width, shortWidth) << "grows at once";
    label.SetText("");
    EXPECT_EQ(WindowPlace(label.Window()), MakeDeviceRect(0, 0, 1, 1));
}

TEST_F(ControlGeometryTest, AutoSizeMeasuresWithTheControlsFont) {
    auto& label = Label::Create(*form, {.Text = "Wide text", .AutoSize = true});
    DevicePx normal = WindowPlace(label.Window()).Width;
    label.GetFont().SetHeight(-30_lpx);
    EXPECT_GT(WindowPlace(label.Window()).Width, normal);
}

TEST_F(ControlGeometryTest, CheckBoxAutoSizeAddsTheMarkAndKeepsHeight) {
    auto& box = CheckBox::Create(*form, {.Common = {.Place = MakeLayoutRect(0, 0, 0, 17)}, .AutoSize = true});
    EXPECT_EQ(WindowPlace(box.Window()), MakeDeviceRect(0, 0, 24, 17));
    box.SetText("Фабрика 1:");
    EXPECT_GT(WindowPlace(box.Window()).Width, 24_dpx);
    EXPECT_EQ(WindowPlace(box.Window()).Height, 17_dpx);
}

TEST_F(ControlGeometryTest, CenterOnScreenUsesTheOuterSize) {
    form->Resize(300_lpx, 200_lpx);
    form->CenterOnScreen();
    const DeviceRect outer = WindowPlace(form->Window());
    EXPECT_EQ(outer.Left.Value, (GetSystemMetrics(SM_CXSCREEN) - outer.Width.Value) / 2);
    EXPECT_EQ(outer.Top.Value, (GetSystemMetrics(SM_CYSCREEN) - outer.Height.Value) / 2);
}

TEST_F(ControlGeometryTest, LockedSizeAnswersMinMaxWithTheLockedSize) {
    form->Resize(320_lpx, 240_lpx);
    form->LockSize();
    const DeviceRect outer = WindowPlace(form->Window());
    MINMAXINFO info{};
    SendMessageW(form->Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, outer.Width.Value);
    EXPECT_EQ(info.ptMinTrackSize.y, outer.Height.Value);
    EXPECT_EQ(info.ptMaxTrackSize.x, outer.Width.Value);
    EXPECT_EQ(info.ptMaxTrackSize.y, outer.Height.Value);
    EXPECT_TRUE(form->Style() & WS_THICKFRAME) << "the sizing frame stays";
}

TEST_F(ControlGeometryTest, LockedSizeTurnsEdgesIntoPlainBorder) {
    form->Resize(320_lpx, 240_lpx);
    SetWindowPos(form->Window(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    form->SetVisible(true);
    RECT outer;
    GetWindowRect(form->Window(), &outer);
    struct Point {
        const char* name;
        int x, y;
    } points[] = {
        {"left edge", outer.left + 1, outer.top + 120},
        {"right edge", outer.right - 2, outer.top + 120},
        {"bottom edge", outer.left + 160, outer.bottom - 2},
        {"bottom right corner", outer.right - 2, outer.bottom - 2},
        {"top left corner", outer.left + 1, outer.top + 1},
    };
    for (const Point& p : points) {
        LRESULT before = SendMessageW(form->Window(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
        EXPECT_GE(before, HTLEFT) << p.name;
        EXPECT_LE(before, HTBOTTOMRIGHT) << p.name;
    }
    form->LockSize();
    for (const Point& p : points)
        EXPECT_EQ(SendMessageW(form->Window(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTBORDER)
            << p.name;
    LRESULT inside = SendMessageW(form->Window(), WM_NCHITTEST, 0,
                                  MAKELPARAM(outer.left + 160, outer.top + 120));
    EXPECT_EQ(inside, HTCLIENT);
}

TEST_F(ControlGeometryTest, AControlMovedAtRunTimeKeepsItsPlaceThroughAChangeOfScale) {
    auto& button = Button::Create(*form, {.Common = {.Place = MakeLayoutRect(10, 10, 80, 22)}});
    button.MoveTo(30_lpx, 40_lpx);
    form->ApplyScale(DpiScale(144));
    EXPECT_EQ(WindowPlace(button.Window()), MakeDeviceRect(45, 60, 120, 33));
    form->ApplyScale(DpiScale(96));
    EXPECT_EQ(WindowPlace(button.Window()), MakeDeviceRect(30, 40, 80, 22));
}

// Windows sends these two to every child around a per-monitor window's WM_DPICHANGED; the
// toolkit's own pass has done everything once already.
TEST_F(ControlGeometryTest, ThePlatformsOwnScaleMessagesStartNoSecondPass) {
    auto& group = GroupBox::Create(*form, {.Common = {.Place = MakeLayoutRect(10, 10, 200, 100)}});
    auto& probe = CustomControl::Create(group, {.Common = {.Place = MakeLayoutRect(6, 20, 50, 30)},
                                                .ClassName = L"ScaleProbe"});
    ScaleCounter counter;
    probe.OnScaleChange = MakeEvent<&ScaleCounter::Changed>(counter);
    probe.OnResize = MakeEvent<&ScaleCounter::Resized>(counter);
    probe.AddMessageFilter(MakeMessageFilter<&ScaleCounter::SeeFont>(counter));
    const HWND children[] = {group.Window(), probe.Window()};
    for (HWND child : children) SendMessageW(child, WM_DPICHANGED_BEFOREPARENT, 0, 0);
    RECT suggested{0, 0, 900, 700};
    SendMessageW(form->Window(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    for (HWND child : children) SendMessageW(child, WM_DPICHANGED_AFTERPARENT, 0, 0);
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(counter.fonts, 1);
    EXPECT_EQ(counter.resizes, 0) << "the change of scale tells of the new size itself";
    EXPECT_EQ(WindowPlace(probe.Window()), MakeDeviceRect(9, 30, 75, 45));
    probe.Resize(60_lpx, 0_lpx);
    EXPECT_EQ(counter.resizes, 1);
    EXPECT_EQ(counter.changes, 1);
}

// The form's place is its client area in layout pixels, whatever the scale it was made at.
TEST_F(ControlGeometryTest, AFormsPlaceIsItsClientAreaAtEveryScale) {
    const LayoutRect made = form->Place();
    for (int dpi : {144, 120, 96}) {
        form->ApplyScale(DpiScale(dpi));
        EXPECT_EQ(form->Place(), made) << dpi;
        EXPECT_EQ(form->ClientWidth(), DpiScale(dpi)(made.Width)) << dpi;
        EXPECT_EQ(form->ClientHeight(), DpiScale(dpi)(made.Height)) << dpi;
    }
    form->Resize(made.Width + 50_lpx, 0_lpx);
    form->ApplyScale(DpiScale(144));
    EXPECT_EQ(form->ClientWidth(), DpiScale(144)(made.Width + 50_lpx));
    EXPECT_EQ(form->ClientHeight(), DpiScale(144)(made.Height));
}

// A caption that gives way is cut only where it is drawn: the window text stays whole,
// whatever text it is given and however little room it has.
TEST_F(ControlGeometryTest, ACheckBoxThatGivesWayIsCutOnlyWhereItIsDrawn) {
    const std::string caption = "Все цены выставляются вручную";
    auto& box = CheckBox::Create(*form, {.Common = {.Place = MakeLayoutRect(0, 0, 0, 22), .GivesWay = true},
                                         .Text = caption, .AutoSize = true});
    auto& value = Label::Create(*form, {.Common = {.Place = MakeLayoutRect(100, 0, 60, 22)}, .Text = "7576"});
    form->LayOut();
    ASSERT_TRUE(box.IsCaptionCut());
    EXPECT_EQ(WindowPlace(box.Window()).Width, 98_dpx);
    EXPECT_EQ(box.Text(), caption);
    CaptionInk ink = PaintedCaption(box, 16);
    EXPECT_LT(ink.right, 98);
    EXPECT_TRUE(ink.endsInThreeDots);
    SendMessageW(box.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 10));
    EXPECT_EQ(TooltipText(box.Window()), L"Все цены выставляются вручную");

    const std::string longer = "Фабрика поддержки с очень длинным названием";
    box.SetText(longer);
    EXPECT_EQ(box.Text(), longer);
    EXPECT_TRUE(box.IsCaptionCut());
    SendMessageW(box.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 10));
    EXPECT_EQ(TooltipText(box.Window()), L"Фабрика поддержки с очень длинным названием");
    box.SetText("Да");
    EXPECT_FALSE(box.IsCaptionCut());
    EXPECT_EQ(TooltipText(box.Window()), L"");
    EXPECT_LT(WindowPlace(box.Window()).Width, 98_dpx);
    EXPECT_FALSE(PaintedCaption(box, 16).endsInThreeDots);

    // Less room than the box itself takes, and nothing to show.
    value.MoveTo(20_lpx, 0_lpx);
    box.SetText("");
    EXPECT_TRUE(box.IsCaptionCut());
    EXPECT_EQ(WindowPlace(box.Window()).Width, 18_dpx);
    EXPECT_EQ(PaintedCaption(box, 16).right, -1);
}

TEST_F(ControlGeometryTest, ComboDropDownShowsAtMostEightRows) {
    form->SetVisible(true);
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    struct Case {
        int items;
        int rows;
    } cases[] = {{3, 3}, {20, 8}, {96, 8}};
    for (const Case& c : cases) {
        SendMessageW(combo.Window(), CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < c.items; ++i) combo.AddItem("item");
        SendMessageW(combo.Window(), CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo.Window(), &info);
        RECT list{};
        auto itemHeight = static_cast<int>(SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
        GetClientRect(info.hwndList, &list);
        EXPECT_EQ(list.bottom / itemHeight, c.rows) << c.items << " items";
        SendMessageW(combo.Window(), CB_SHOWDROPDOWN, FALSE, 0);
        EXPECT_EQ(combo.DevicePlace().Height, 22_dpx) << "the closed height stays";
    }
}

}  // namespace
