#include <gtest/gtest.h>

#include <string>
#include <vector>

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

struct Recorder {
    std::vector<std::string> calls;
    void Clicked(Control& sender) { calls.push_back("click " + sender.Text()); }
    void Changed(Control& sender) {
        calls.push_back("change " + std::to_string(static_cast<ComboBox&>(sender).ItemIndex()));
    }
    void SelChanged(Control&) { calls.push_back("selchange"); }
    void TextChanged(Control& sender) { calls.push_back("text " + sender.Text()); }
    void Left(Control&) { calls.push_back("leave"); }
    void KeyDown(Control&, int key) { calls.push_back("key " + std::to_string(key)); }
    bool SeeMarker(Control&, const Message& message, LRESULT&) {
        if (message.Id == WM_APP) calls.push_back("marker");
        return false;
    }
};

class ControlEventsTest : public ::testing::Test {
protected:
    std::unique_ptr<Form> form = Form::Create({"events"});
    Recorder recorder;
};

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
    form->SetVisible(true);
    auto& edit = EditBox::Create(*form, {.DigitsOnly = true});
    auto& other = Button::Create(*form, {.Text = "other"});
    edit.OnChange = MakeEvent<&Recorder::TextChanged>(recorder);
    edit.OnKeyDown = MakeEvent<&Recorder::KeyDown>(recorder);
    edit.OnLeave = MakeEvent<&Recorder::Left>(recorder);
    SetForegroundWindow(form->Window());
    edit.Focus();
    SendMessageW(edit.Window(), WM_KEYDOWN, VK_RETURN, 0);
    edit.SetText("12");
    other.Focus();
    PumpMessages();
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"key 13", "text 12", "leave"}));
}

TEST_F(ControlEventsTest, DigitsOnlyEditRefusesLetters) {
    auto& edit = EditBox::Create(*form, {.DigitsOnly = true});
    for (wchar_t typed : {L'1', L'x', L'2', L'Ж'}) SendMessageW(edit.Window(), WM_CHAR, typed, 0);
    EXPECT_EQ(edit.Text(), "12");
}

}  // namespace
