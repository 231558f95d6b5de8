#include <gtest/gtest.h>

#include "toolkit/canvas.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/custom_control.h"
#include "toolkit/edit_box.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

namespace {

TEST(FontTest, NewFontDefaults) {
    Font font;
    EXPECT_EQ(font.FaceName(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), 0_lpx);
    EXPECT_EQ(font.Weight(), 0);
    EXPECT_EQ(font.LogFont().lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(font.Color(), kWindowTextColour);
    EXPECT_EQ(font.Style(), 0u);
}

TEST(FontTest, BoldFlagMovesTheWeight) {
    struct Case {
        int weight;
        unsigned style;
        int expected;
    } cases[] = {
        {0, kFontBold, 700},   {400, kFontBold, 700}, {800, kFontBold, 800},
        {700, 0, 0},           {900, 0, 0},           {400, 0, 400},
    };
    for (const Case& c : cases) {
        Font font;
        font.SetWeight(c.weight);
        font.SetStyle(c.style);
        EXPECT_EQ(font.Weight(), c.expected) << c.weight << " style " << c.style;
    }
}

TEST(FontTest, StyleFlagsMapToTheirFields) {
    Font font;
    font.SetStyle(kFontItalic | kFontUnderline | kFontStrikeOut);
    EXPECT_EQ(font.LogFont().lfItalic, 1);
    EXPECT_EQ(font.LogFont().lfUnderline, 1);
    EXPECT_EQ(font.LogFont().lfStrikeOut, 1);
    EXPECT_EQ(font.Style(), kFontItalic | kFontUnderline | kFontStrikeOut);
    font.SetStyle(kFontBold);
    EXPECT_EQ(font.Style(), unsigned{kFontBold});
}

TEST(FontTest, FaceNameKeepsAtMost31Characters) {
    Font font;
    font.SetFaceName(std::string(40, 'a'));
    EXPECT_EQ(font.FaceName(), std::string(31, 'a'));
}

struct ChangeCounter {
    int changes = 0;
    void Changed(Font&) { ++changes; }
};

TEST(FontTest, AssignCopiesEveryFieldAndReportsOneChange) {
    Font source;
    source.SetFaceName("Tahoma");
    source.SetHeight(-11_lpx);
    source.SetStyle(kFontBold | kFontItalic);
    source.SetColor(kGreyTextColour);
    Font target;
    ChangeCounter counter;
    target.OnChange = MakeEvent<&ChangeCounter::Changed>(counter);
    AssignFont(target, source);
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(target.FaceName(), "Tahoma");
    EXPECT_EQ(target.Height(), -11_lpx);
    EXPECT_EQ(target.Weight(), 700);
    EXPECT_EQ(target.Style(), unsigned{kFontBold | kFontItalic});
    EXPECT_EQ(target.Color(), kGreyTextColour);
    EXPECT_NE(target.Handle(DpiScale()), nullptr);
}

TEST(FontTest, ChildrenCopyTheParentsFontOnlyAtCreation) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    form->GetFont().SetFaceName("Tahoma");
    form->GetFont().SetHeight(-11_lpx);
    auto& group = GroupBox::Create(*form, {.Text = "group"});
    group.GetFont().SetStyle(kFontBold);
    auto& inside = Label::Create(group, {.Text = "inside"});
    form->GetFont().SetHeight(-20_lpx);
    EXPECT_EQ(group.GetFont().Height(), -11_lpx);
    EXPECT_EQ(inside.GetFont().FaceName(), "Tahoma");
    EXPECT_EQ(inside.GetFont().Weight(), 700);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(inside.Window(), WM_GETFONT, 0, 0)),
              inside.GetFont().Handle(form->Scale()));
}

TEST(ColourTest, SystemAndRgbValues) {
    EXPECT_EQ(ColourToRgb(kWindowColour), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ColourToRgb(kButtonFaceColour), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColourToRgb(RGB(1, 2, 3)), RGB(1, 2, 3));
}

TEST(ColourTest, ParentAnswersColourRequestsWithTheChildsColours) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    auto& edit = EditBox::Create(*form, {});
    edit.SetColor(RGB(10, 20, 30));
    edit.GetFont().SetColor(RGB(200, 100, 50));
    OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(form->Window(), WM_CTLCOLOREDIT,
                                                       reinterpret_cast<WPARAM>(dc.Get()),
                                                       reinterpret_cast<LPARAM>(edit.Window())));
    ASSERT_NE(brush, nullptr);
    LOGBRUSH info{};
    GetObjectW(brush, sizeof info, &info);
    EXPECT_EQ(info.lbColor, RGB(10, 20, 30));
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(200, 100, 50));
    EXPECT_EQ(GetBkColor(dc.Get()), RGB(10, 20, 30));
    EXPECT_EQ(GetBkMode(dc.Get()), OPAQUE);
}

TEST(CanvasTest, OffscreenPictureIsDrawnAndCopied) {
    WindowDc screen(nullptr);
    OffscreenBitmap picture;
    picture.Resize(screen.Get(), 20, 10);
    {
        Canvas canvas(picture.Dc());
        canvas.SetBrushColor(RGB(255, 0, 0));
        canvas.FillRect({0, 0, 20, 10});
        canvas.SetPen(RGB(0, 0, 255), 1);
        canvas.Line(0, 5, 20, 5);
        canvas.SetBrushColor(RGB(0, 255, 0));
        canvas.FrameRect({10, 0, 20, 10});
    }
    EXPECT_EQ(GetPixel(picture.Dc(), 2, 2), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(picture.Dc(), 2, 5), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(picture.Dc(), 10, 2), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(picture.Dc(), 15, 2), RGB(255, 0, 0));

    OffscreenBitmap target;
    target.Resize(screen.Get(), 30, 30);
    picture.CopyTo(target.Dc(), 5, 5);
    EXPECT_EQ(GetPixel(target.Dc(), 7, 7), RGB(255, 0, 0));
}

TEST(CanvasTest, CanvasPutsBackWhatWasSelected) {
    WindowDc screen(nullptr);
    OffscreenBitmap picture;
    picture.Resize(screen.Get(), 4, 4);
    HGDIOBJ brush = GetCurrentObject(picture.Dc(), OBJ_BRUSH);
    HGDIOBJ pen = GetCurrentObject(picture.Dc(), OBJ_PEN);
    HGDIOBJ font = GetCurrentObject(picture.Dc(), OBJ_FONT);
    Font tahoma;
    {
        Canvas canvas(picture.Dc());
        canvas.SetBrushColor(RGB(1, 1, 1));
        canvas.SetBrushColor(RGB(2, 2, 2));
        canvas.SetPen(RGB(3, 3, 3), 2);
        canvas.SetFont(tahoma, DpiScale());
        EXPECT_NE(GetCurrentObject(picture.Dc(), OBJ_BRUSH), brush);
    }
    EXPECT_EQ(GetCurrentObject(picture.Dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(picture.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(picture.Dc(), OBJ_FONT), font);
}

TEST(CanvasTest, TextIsDrawnFromCp1251) {
    WindowDc screen(nullptr);
    OffscreenBitmap picture;
    picture.Resize(screen.Get(), 40, 20);
    Canvas canvas(picture.Dc());
    canvas.SetBrushColor(RGB(255, 255, 255));
    canvas.FillRect({0, 0, 40, 20});
    Font font;
    font.SetColor(RGB(0, 0, 0));
    canvas.SetFont(font, DpiScale());
    canvas.SetTransparentText(true);
    canvas.DrawText("Ж", {0, 0, 40, 20}, DT_SINGLELINE | DT_LEFT | DT_TOP);
    int dark = 0;
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 20; ++y) dark += GetPixel(picture.Dc(), x, y) == RGB(0, 0, 0);
    EXPECT_GT(dark, 5);
}

}  // namespace
