#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/message_pump.h"

namespace {

struct CloseKeeper {
    std::vector<std::string> log;
    int refusals = 1;
    void Closing(Control& sender, bool& accept) {
        log.push_back(std::string("close ") + (IsLoopRunning() ? "in loop" : "outside"));
        if (refusals > 0) {
            --refusals;
            accept = false;
            sender.Close();  // ask again: the second request is accepted
        }
    }
    void Destroyed(Control&) { log.push_back("destroy"); }
};

// The loop runs once per process: termination is for good.
TEST(MessageLoopTest, AcceptedCloseOfTheApplicationWindowEndsTheLoop) {
    std::unique_ptr<Control> form = CreateForm("loop");
    CreateButton(*form, "b");
    CloseKeeper keeper;
    form->OnClose = MakeEvent<&CloseKeeper::Closing>(keeper);
    form->OnDestroy = MakeEvent<&CloseKeeper::Destroyed>(keeper);
    form->Close();
    EXPECT_TRUE(keeper.log.empty()) << "Close only posts";
    RunMessageLoop(*form);
    EXPECT_EQ(keeper.log, (std::vector<std::string>{"close in loop", "close in loop", "destroy"}));
    EXPECT_TRUE(IsTerminationRequested());
    EXPECT_FALSE(IsLoopRunning());
    EXPECT_EQ(ApplicationWindow(), nullptr);
    EXPECT_EQ(form->Window(), nullptr);
}

TEST(MessageLoopTest, ClosingAnotherTopLevelWindowHidesIt) {
    std::unique_ptr<Control> form = CreateForm("other");
    form->SetVisible(true);
    SendMessageW(form->Window(), WM_CLOSE, 0, 0);
    EXPECT_NE(form->Window(), nullptr);
    EXPECT_FALSE(form->IsVisible());
}

TEST(FocusTest, FirstTabStopControlIsTheFocusControl) {
    std::unique_ptr<Control> form = CreateForm("focus");
    CreateLabel(*form, "no tab stop");
    Control& group = CreateGroupBox(*form, "never focused");
    Control& combo = CreateComboBox(group, kComboDropDownList);
    CreateButton(*form, "later");
    EXPECT_EQ(form->FocusControl(), &combo);
}

TEST(FocusTest, TheWindowPassesItsFocusToTheLastFocusedControl) {
    std::unique_ptr<Control> form = CreateForm("focus");
    Control& first = CreateEditBox(*form, 0);
    Control& second = CreateButton(*form, "second");
    form->SetVisible(true);
    SetForegroundWindow(form->Window());
    form->Focus();
    PumpMessages();
    EXPECT_TRUE(first.HasFocus());
    second.Focus();
    EXPECT_EQ(form->FocusControl(), &second);
    form->Focus();
    EXPECT_TRUE(second.HasFocus());
    EXPECT_EQ(Control::FocusedControl(), &second);
}

}  // namespace
