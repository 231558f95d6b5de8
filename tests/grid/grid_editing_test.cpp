#include <gtest/gtest.h>

#include "grid/grid_window_fixture.h"
#include "toolkit/window_place.h"

namespace {

// The main window's editing rules: the price column of rows with a resource name only.
struct PriceEditing {
    Control* editor = nullptr;
    LayoutSides margins;
    bool refuse = false;
    int changes = 0;
    int endEdits = 0;
    std::string endText;

    void CanEdit(const XLGrid& grid, int col, int row, bool& editable) {
        editable = col == 2 && !grid.Cell(0, row)->Text.empty();
    }
    void Begin(XLGrid&, int, int, Control*& lent, EditBox*&, LayoutSides& m) {
        lent = editor;
        m = margins;
    }
    void End(XLGrid&, int, int, Control*, EditBox*, std::string& text, bool& accept) {
        ++endEdits;
        endText = text;
        accept = !refuse;
    }
    void Changed(XLGrid&) { ++changes; }
};

class GridEditingTest : public GridWindowTest {
protected:
    GridEditingTest() {
        // Big enough that the price column shows whole and nothing scrolls.
        grid_.AsControl().Resize(400_lpx, 150_lpx);
        editing_.editor = editor_;
        grid_.OnCanEdit = MakeEvent<&PriceEditing::CanEdit>(editing_);
        grid_.SetOnBeginEdit(MakeEvent<&PriceEditing::Begin>(editing_));
        grid_.SetOnEndEdit(MakeEvent<&PriceEditing::End>(editing_));
        grid_.OnChange = MakeEvent<&PriceEditing::Changed>(editing_);
        grid_.Cell(0, 0)->SetText("Энергоэлементы");
        grid_.Cell(2, 0)->SetText("16");
        grid_.Cell(0, 1)->SetText("Руда");
        grid_.Cell(2, 1)->SetText("128");
        grid_.SetCurCell({2, 0});
        grid_.AsControl().Focus();
        PumpMessages();
    }

    HWND EditorWindow() const { return editor_->Window(); }
    bool EditorShown() const { return (GetWindowLongW(EditorWindow(), GWL_STYLE) & WS_VISIBLE) != 0; }
    void Type(const char* text) { editor_->SetText(text); }
    void EditorKey(int key) {
        SendMessageW(EditorWindow(), WM_KEYDOWN, static_cast<WPARAM>(key), 0);
        PumpMessages();
    }


    PriceEditing editing_;
};

TEST_F(GridEditingTest, EnterOpensTheEditorOverThePriceCellWithItsText) {
    Key(VK_RETURN);
    ASSERT_EQ(grid_.Editor(), editor_);
    EXPECT_EQ(grid_.EditFocus(), editor_);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(GetParent(EditorWindow()), GridWindow());
    EXPECT_EQ(WindowPlace(EditorWindow()), MakeDeviceRect(160 + 70, 20, 100, 20));
    EXPECT_EQ(editor_->Text(), "16");
    EXPECT_EQ(GetFocus(), EditorWindow());
    EXPECT_EQ(editor_->GetFont().FaceName(), grid_.Cell(2, 0)->Font.FaceName());
}

TEST_F(GridEditingTest, MarginsShrinkTheEditor) {
    editing_.margins = {1_lpx, 2_lpx, 3_lpx, 4_lpx};
    Key(VK_F2);
    EXPECT_EQ(WindowPlace(EditorWindow()), MakeDeviceRect(160 + 70 + 1, 20 + 2, 100 - 1 - 3, 20 - 2 - 4));
}

TEST_F(GridEditingTest, EnterInTheEditorStoresAndRefocusesTheGrid) {
    Key(VK_RETURN);
    Type("25");
    EditorKey(VK_RETURN);
    EXPECT_EQ(CellText(2, 0), "25");
    EXPECT_EQ(grid_.Editor(), nullptr);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(GetFocus(), GridWindow());
    EXPECT_EQ(editing_.changes, 1);
    EXPECT_EQ(editing_.endEdits, 1);
    EXPECT_EQ(editing_.endText, "25");
    // The editor stays a child window of the grid and calls the grid no more.
    EXPECT_EQ(GetParent(EditorWindow()), GridWindow());
    EXPECT_FALSE(editor_->OnKeyDown);
    EXPECT_FALSE(editor_->OnLeave);
}

TEST_F(GridEditingTest, F2InTheEditorStoresToo) {
    Key(VK_F2);
    Type("7");
    EditorKey(VK_F2);
    EXPECT_EQ(CellText(2, 0), "7");
    EXPECT_EQ(GetFocus(), GridWindow());
}

TEST_F(GridEditingTest, EscapeDiscardsTheText) {
    Key(VK_RETURN);
    Type("99");
    EditorKey(VK_ESCAPE);
    EXPECT_EQ(CellText(2, 0), "16");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(GetFocus(), GridWindow());
    EXPECT_EQ(editing_.changes, 0);
}

TEST_F(GridEditingTest, ReadOnlyCellsOpenNothing) {
    struct Case {
        GridPoint cell;
        const char* why;
    } cases[] = {{{2, 2}, "row without a name"}, {{1, 0}, "quantity column"}, {{0, 0}, "name column"}};
    for (const Case& c : cases) {
        grid_.SetCurCell(c.cell);
        Key(VK_RETURN);
        Key(VK_F2);
        EXPECT_EQ(grid_.Editor(), nullptr) << c.why;
        EXPECT_FALSE(EditorShown()) << c.why;
    }
}

TEST_F(GridEditingTest, CtrlEnterOpensNothing) {
    HeldKeys ctrl{VK_CONTROL};
    Key(VK_RETURN);
    EXPECT_EQ(grid_.Editor(), nullptr);
}

TEST_F(GridEditingTest, ClickingAnotherCellStoresAndMoves) {
    Key(VK_RETURN);
    Type("30");
    ClickCell(0, 1);
    EXPECT_EQ(CellText(2, 0), "30");
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{0, 1}));
    EXPECT_EQ(grid_.Editor(), nullptr);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(editing_.changes, 1);
}

TEST_F(GridEditingTest, TheWheelStoresAndCloses) {
    Key(VK_RETURN);
    Type("31");
    Wheel(-120);
    EXPECT_EQ(CellText(2, 0), "31");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{2, 0}));
}

TEST_F(GridEditingTest, LosingTheFocusStores) {
    auto& other = Button::Create(*form_, {.Text = "other"});
    Key(VK_RETURN);
    Type("32");
    other.Focus();
    PumpMessages();
    EXPECT_EQ(CellText(2, 0), "32");
    EXPECT_FALSE(EditorShown());
}

TEST_F(GridEditingTest, ARefusedEditStaysOpenAndAForcedCloseStores) {
    editing_.refuse = true;
    Key(VK_RETURN);
    Type("40");
    EditorKey(VK_RETURN);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(grid_.Editor(), editor_);
    EXPECT_EQ(CellText(2, 0), "16");
    EXPECT_EQ(GetFocus(), EditorWindow());
    // The current cell stays with the open edit.
    ClickCell(0, 1);
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{2, 0}));
    EXPECT_TRUE(EditorShown());
    EXPECT_TRUE(grid_.EndEdit(true, true));
    EXPECT_EQ(CellText(2, 0), "40");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(editing_.changes, 1);
}

TEST_F(GridEditingTest, ADiscardingForcedCloseKeepsTheCell) {
    Key(VK_RETURN);
    Type("41");
    EXPECT_TRUE(grid_.EndEdit(false, true));
    EXPECT_EQ(CellText(2, 0), "16");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(editing_.changes, 0);
}

TEST_F(GridEditingTest, StoringTheSameTextRaisesNoChange) {
    Key(VK_RETURN);
    EditorKey(VK_RETURN);
    EXPECT_EQ(editing_.endEdits, 1);
    EXPECT_EQ(editing_.changes, 0);
    grid_.Cell(2, 0)->SetText("17");  // setting a text never raises it either
    EXPECT_EQ(editing_.changes, 0);
}

TEST_F(GridEditingTest, LongTextsAreCutTo1023Characters) {
    Key(VK_RETURN);
    Type(std::string(1500, '9').c_str());
    EditorKey(VK_RETURN);
    EXPECT_EQ(CellText(2, 0), std::string(1023, '9'));
}

TEST_F(GridEditingTest, DoubleClickMovesThenOpens) {
    grid_.SetCurCell({0, 0});
    POINT p = CellCentre(2, 1);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(p.x, p.y));
    Send(WM_LBUTTONUP, 0, Point(p.x, p.y));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(p.x, p.y));
    Send(WM_LBUTTONUP, 0, Point(p.x, p.y));
    EXPECT_EQ(grid_.GetCurCell(), (GridPoint{2, 1}));
    EXPECT_EQ(grid_.Editor(), editor_);
    EXPECT_EQ(editor_->Text(), "128");
}

TEST_F(GridEditingTest, AnEditorHiddenByItsOwnerIsForgotten) {
    Key(VK_RETURN);
    Type("55");
    ShowWindow(EditorWindow(), SW_HIDE);
    PumpMessages();
    EXPECT_TRUE(grid_.EndEdit(true, false));
    EXPECT_EQ(grid_.Editor(), nullptr);
    EXPECT_EQ(CellText(2, 0), "16");
}

// An editor made of several controls: moving the focus between them goes on editing.
struct CompositeEditing {
    Control* panel = nullptr;
    EditBox* text = nullptr;
    void Begin(XLGrid&, int, int, Control*& editor, EditBox*& editFocus, LayoutSides&) {
        editor = panel;
        editFocus = text;
    }
};

TEST_F(GridWindowTest, FocusInsideACompositeEditorKeepsEditing) {
    CompositeEditing editing;
    editing.panel = &Panel::Create(*form_, {.Edge = PanelEdge::None});
    editing.text = &EditBox::Create(*editing.panel, {});
    auto& second = EditBox::Create(*editing.panel, {});
    editing.panel->SetVisible(false);
    grid_.SetOnBeginEdit(MakeEvent<&CompositeEditing::Begin>(editing));
    grid_.AsControl().Focus();
    Key(VK_RETURN);
    ASSERT_EQ(grid_.Editor(), editing.panel);
    EXPECT_EQ(GetFocus(), editing.text->Window());
    editing.text->SetText("abc");
    second.Focus();
    PumpMessages();
    EXPECT_EQ(grid_.Editor(), editing.panel);
    EXPECT_EQ(CellText(0, 0), "");
    editing.text->Focus();
    SendMessageW(editing.text->Window(), WM_KEYDOWN, VK_RETURN, 0);
    PumpMessages();
    EXPECT_EQ(CellText(0, 0), "abc");
    EXPECT_EQ(grid_.Editor(), nullptr);
}

}  // namespace
