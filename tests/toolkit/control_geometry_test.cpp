#include <gtest/gtest.h>

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/custom_control.h"
#include "toolkit/edit_box.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/message_pump.h"

namespace {

class ControlGeometryTest : public ::testing::Test {
protected:
    std::unique_ptr<Form> form = Form::Create({"geometry"});
};

TEST_F(ControlGeometryTest, ResizeWithZeroKeepsThatDimension) {
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    combo.Resize(360, 0);
    EXPECT_EQ(combo.Width(), 360);
    EXPECT_EQ(combo.Height(), 22);
    auto& label = Label::Create(*form, {.Text = "x"});
    label.Resize(0, 40).Resize(-5, 0);
    EXPECT_EQ(label.Width(), 100);
    EXPECT_EQ(label.Height(), 40);
    RECT live;
    GetWindowRect(label.Window(), &live);
    EXPECT_EQ(live.bottom - live.top, 40);
}

TEST_F(ControlGeometryTest, ResizeClientGivesTheClientArea) {
    form->ResizeClient(722, 586);
    EXPECT_EQ(form->ClientWidth(), 722);
    EXPECT_EQ(form->ClientHeight(), 586);
    EXPECT_GT(form->Width(), 722);
}

TEST_F(ControlGeometryTest, LabelAutoSizeFollowsItsText) {
    auto& label = Label::Create(*form, {.Text = "short", .AutoSize = true});
    int shortWidth = label.Width();
    EXPECT_GT(shortWidth, 1);
    EXPECT_GT(label.Height(), 1);
    label.SetText("a much longer text than before");
    EXPECT_GT(label.Width(), shortWidth) << "grows at once";
    label.SetText("");
    EXPECT_EQ(label.Width(), 1);
    EXPECT_EQ(label.Height(), 1);
}

TEST_F(ControlGeometryTest, AutoSizeMeasuresWithTheControlsFont) {
    auto& label = Label::Create(*form, {.Text = "Wide text", .AutoSize = true});
    int normal = label.Width();
    label.GetFont().SetHeight(-30);
    EXPECT_GT(label.Width(), normal);
}

TEST_F(ControlGeometryTest, CheckBoxAutoSizeAddsTheMarkAndKeepsHeight) {
    auto& box = CheckBox::Create(*form, {.Common = {.Place = {0, 0, 0, 17}}, .AutoSize = true});
    EXPECT_EQ(box.Width(), 24);
    EXPECT_EQ(box.Height(), 17);
    box.SetText("Фабрика 1:");
    EXPECT_GT(box.Width(), 24);
    EXPECT_EQ(box.Height(), 17);
}

TEST_F(ControlGeometryTest, CenterOnScreenUsesTheOuterSize) {
    form->Resize(300, 200);
    form->CenterOnScreen();
    EXPECT_EQ(form->Left(), (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(form->Top(), (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    RECT live;
    GetWindowRect(form->Window(), &live);
    EXPECT_EQ(live.left, form->Left());
}

TEST_F(ControlGeometryTest, LockedSizeAnswersMinMaxWithTheLockedSize) {
    form->Resize(320, 240);
    form->LockSize();
    MINMAXINFO info{};
    SendMessageW(form->Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 320);
    EXPECT_EQ(info.ptMinTrackSize.y, 240);
    EXPECT_EQ(info.ptMaxTrackSize.x, 320);
    EXPECT_EQ(info.ptMaxTrackSize.y, 240);
    EXPECT_TRUE(form->Style() & WS_THICKFRAME) << "the sizing frame stays";
}

TEST_F(ControlGeometryTest, LockedSizeTurnsEdgesIntoPlainBorder) {
    form->Resize(320, 240).MoveTo(100, 100);
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

TEST_F(ControlGeometryTest, ComboDropDownShowsAtMostEightRows) {
    form->SetVisible(true);
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    struct Case {
        int items;
        int rows;
    } cases[] = {{20, 8}, {96, 8}};
    for (const Case& c : cases) {
        SendMessageW(combo.Window(), CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < c.items; ++i) combo.AddItem("item");
        SendMessageW(combo.Window(), CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo.Window(), &info);
        RECT list{};
        RECT closed{};
        GetWindowRect(info.hwndList, &list);
        GetWindowRect(combo.Window(), &closed);
        // The list keeps whole rows, so it may end up to one row short of the window height.
        auto itemHeight = static_cast<int>(SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
        int windowHeight = 22 * (c.rows + 1) + 2;
        EXPECT_LE(list.bottom - closed.top, windowHeight) << c.items << " items";
        EXPECT_GT(list.bottom - closed.top, windowHeight - itemHeight) << c.items << " items";
        SendMessageW(combo.Window(), CB_SHOWDROPDOWN, FALSE, 0);
        EXPECT_EQ(combo.Height(), 22) << "the closed height stays";
    }
}

}  // namespace
