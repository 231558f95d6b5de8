#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/custom_control.h"
#include "toolkit/edit_box.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/clipboard_text.h"
#include "toolkit/message_pump.h"

namespace {

struct Recorder {
    std::vector<std::string> calls;
    void Clicked(Control& sender) { calls.push_back("click " + sender.Text()); }
    void Changed(Control& sender) {
        calls.push_back("change " + std::to_string(static_cast<ComboBox&>(sender).ItemIndex()));
    }
    void SelChanged(Control&) { calls.push_back("selchange"); }
    void TextChanged(Control& sender) { calls.push_back("text " + sender.Text()); }
    void Left(Control& sender) { calls.push_back("leave " + sender.Text()); }
    void KeyDown(Control&, int key) { calls.push_back("key " + std::to_string(key)); }
    bool SeeMarker(Control&, const Message& message, LRESULT&) {
        if (message.Id == WM_APP) calls.push_back("marker");
        return false;
    }
};

class ControlEventsTest : public ::testing::Test {
protected:
    // Shown and active, as only then its controls take the focus.
    void ShowForKeys() {
        form->SetVisible(true);
        SetForegroundWindow(form->Window());
    }

    std::unique_ptr<Form> form = Form::Create({"events"});
    Recorder recorder;
};

std::wstring WideTextOf(const Control& control) {
    wchar_t text[64] = {};
    GetWindowTextW(control.Window(), text, 64);
    return text;
}

TEST_F(ControlEventsTest, UnassignedEventIsSkipped) {
    auto& button = Button::Create(*form, {.Text = "b"});
    button.Click();
    EXPECT_FALSE(button.OnClick);
    button.OnClick = MakeEvent<&Recorder::Clicked>(recorder);
    button.Click();
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"click b"});
}

TEST_F(ControlEventsTest, ComboSelectionChangeRaisesOneChangeAfterQueuedMessages) {
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    for (const char* item : {"one", "two", "three"}) combo.AddItem(item);
    combo.SetItemIndex(0);
    combo.OnChange = MakeEvent<&Recorder::Changed>(recorder);
    form->AddMessageFilter(MakeMessageFilter<&Recorder::SeeMarker>(recorder));
    PumpMessages();

    PostMessageW(form->Window(), WM_APP, 0, 0);
    // The user presses the down arrow in the closed list: the combo reports CBN_SELCHANGE.
    SendMessageW(combo.Window(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(recorder.calls.empty()) << "the change must wait in the queue";
    PumpMessages();
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"marker", "change 1"}));
}

TEST_F(ControlEventsTest, SelChangeTakesPrecedenceOverChange) {
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    combo.AddItem("one");
    combo.AddItem("two");
    combo.OnChange = MakeEvent<&Recorder::Changed>(recorder);
    combo.OnSelChange = MakeEvent<&Recorder::SelChanged>(recorder);
    SendMessageW(combo.Window(), WM_KEYDOWN, VK_DOWN, 0);
    PumpMessages();
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"selchange"});
}

TEST_F(ControlEventsTest, ProgramChangesOfTheComboRaiseNoEvent) {
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    combo.OnChange = MakeEvent<&Recorder::Changed>(recorder);
    EXPECT_EQ(combo.AddItem("one"), 0);
    EXPECT_EQ(combo.AddItem("two"), 1);
    combo.SetItemIndex(1);
    combo.SetItemIndex(-1);
    PumpMessages();
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.ItemCount(), 2);
}

TEST_F(ControlEventsTest, ComboItemTexts) {
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    combo.AddItem("Фабрика");
    combo.AddItem("");
    EXPECT_EQ(combo.ItemText(0), "Фабрика");
    EXPECT_EQ(combo.ItemText(1), "");
    EXPECT_EQ(combo.ItemText(2), "") << "an index without an item";
    EXPECT_EQ(combo.ItemText(-1), "");
}

TEST_F(ControlEventsTest, ClickOnCheckBoxRunsHandlerWithoutToggling) {
    for (bool checked : {false, true}) {
        auto& box = CheckBox::Create(*form, {.Text = "box"});
        box.SetChecked(checked);
        box.OnClick = MakeEvent<&Recorder::Clicked>(recorder);
        recorder.calls.clear();
        box.Click();
        EXPECT_EQ(recorder.calls, std::vector<std::string>{"click box"});
        EXPECT_EQ(box.IsChecked(), checked);
    }
}

TEST_F(ControlEventsTest, UserClickOnCheckBoxTogglesAndRaisesClick) {
    auto& box = CheckBox::Create(*form, {.Text = "box"});
    box.SetChecked(true);
    box.OnClick = MakeEvent<&Recorder::Clicked>(recorder);
    SendMessageW(box.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(box.Window(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PumpMessages();
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"click box"});
    EXPECT_FALSE(box.IsChecked());
}

TEST_F(ControlEventsTest, SettingTheCheckMarkRaisesNoEvent) {
    auto& box = CheckBox::Create(*form, {.Text = "box"});
    box.OnClick = MakeEvent<&Recorder::Clicked>(recorder);
    box.SetChecked(true);
    box.SetChecked(false);
    PumpMessages();
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(ControlEventsTest, ClickOnLabelRaisesItsClick) {
    auto& label = Label::Create(*form, {.Text = "label"});
    label.OnClick = MakeEvent<&Recorder::Clicked>(recorder);
    SendMessageW(label.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
    SendMessageW(label.Window(), WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    PumpMessages();
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"click label"});
}

TEST_F(ControlEventsTest, ControlsInsideAGroupBoxRaiseTheirEvents) {
    auto& group = GroupBox::Create(*form, {.Text = "group"});
    auto& button = Button::Create(group, {.Text = "inner"});
    button.OnClick = MakeEvent<&Recorder::Clicked>(recorder);
    SendMessageW(button.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(button.Window(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PumpMessages();
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"click inner"});
}

TEST_F(ControlEventsTest, EditBoxReportsKeysChangesAndLostFocus) {
    ShowForKeys();
    auto& edit = EditBox::Create(*form, {.DigitsOnly = true});
    auto& other = Button::Create(*form, {.Text = "other"});
    edit.OnChange = MakeEvent<&Recorder::TextChanged>(recorder);
    edit.OnKeyDown = MakeEvent<&Recorder::KeyDown>(recorder);
    edit.OnLeave = MakeEvent<&Recorder::Left>(recorder);
    edit.Focus();
    SendMessageW(edit.Window(), WM_KEYDOWN, VK_RETURN, 0);
    edit.SetText("12");
    other.Focus();
    PumpMessages();
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"key 13", "text 12", "leave 12"}));
}

// Pasted as a page or a sheet gives it, then the focus leaves for another control.
TEST_F(ControlEventsTest, ABoxForNumbersKeepsAPastedGroupedNumberWithoutItsMarks) {
    ShowForKeys();
    auto& numbers = EditBox::Create(*form, {.DigitsOnly = true, .TakesGroupedNumbers = true});
    auto& plain = EditBox::Create(*form, {.DigitsOnly = true});
    auto& other = Button::Create(*form, {.Text = "other"});
    numbers.OnLeave = MakeEvent<&Recorder::Left>(recorder);
    struct Case {
        EditBox* box;
        const wchar_t* pasted;
        const wchar_t* kept;
    } cases[] = {
        {&numbers, L"8 500", L"8500"},
        {&numbers, L"8\u00A0500", L"8500"},
        {&numbers, L"8\u202F500", L"8500"},
        {&numbers, L"\u202F1 250 000 ", L"1250000"},
        {&numbers, L"8 500 руб", L"8 500 руб"},
        {&numbers, L"12 34 5x", L"12 34 5x"},
        {&numbers, L" 8500", L" 8500"},
        {&plain, L"8\u202F500", L"8\u202F500"},
    };
    for (const Case& c : cases) {
        const std::string name = WideToCp1251(c.pasted);
        c.box->SetText("");
        c.box->Focus();
        ASSERT_TRUE(PutOnClipboard(form->Window(), c.pasted)) << name;
        SendMessageW(c.box->Window(), WM_PASTE, 0, 0);
        ASSERT_EQ(WideTextOf(*c.box), c.pasted) << name << ": the box holds what was pasted";
        recorder.calls.clear();
        other.Focus();
        EXPECT_EQ(WideTextOf(*c.box), c.kept) << name;
        if (c.box == &numbers) {
            EXPECT_EQ(recorder.calls, std::vector<std::string>{"leave " + WideToCp1251(c.kept)})
                << name << ": the box's own handler sees the number";
        }
    }
}

// The key comes through the message loop to the focused control, as a player's does.
TEST_F(ControlEventsTest, EnterPressesAFocusedButtonAndNothingElse) {
    ShowForKeys();
    auto& button = Button::Create(*form, {.Text = "button"});
    auto& box = CheckBox::Create(*form, {.Text = "box"});
    auto& edit = EditBox::Create(*form, {});
    auto& combo = ComboBox::Create(*form, {.DropDownList = true});
    combo.AddItem("one");
    combo.AddItem("two");
    button.OnClick = MakeEvent<&Recorder::Clicked>(recorder);
    box.OnClick = MakeEvent<&Recorder::Clicked>(recorder);
    edit.OnChange = MakeEvent<&Recorder::TextChanged>(recorder);
    combo.OnChange = MakeEvent<&Recorder::Changed>(recorder);
    struct Case {
        const char* name;
        Control* focused;
        std::vector<std::string> calls;
    } cases[] = {
        {"push button", &button, {"click button"}},
        {"check box", &box, {}},
        {"edit box", &edit, {}},
        {"combo box", &combo, {}},
    };
    for (const Case& c : cases) {
        c.focused->Focus();
        ASSERT_TRUE(c.focused->HasFocus()) << c.name;
        recorder.calls.clear();
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
        PumpMessages();
        EXPECT_EQ(recorder.calls, c.calls) << c.name;
    }
    EXPECT_FALSE(box.IsChecked());
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(edit.Text(), "");
}

TEST_F(ControlEventsTest, DigitsOnlyEditRefusesLetters) {
    auto& edit = EditBox::Create(*form, {.DigitsOnly = true});
    for (wchar_t typed : {L'1', L'x', L'2', L'Ж'}) SendMessageW(edit.Window(), WM_CHAR, typed, 0);
    EXPECT_EQ(edit.Text(), "12");
}

}  // namespace
