#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/custom_control.h"
#include "toolkit/edit_box.h"
#include "toolkit/failure.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/message_pump.h"
#include "toolkit/panel.h"

namespace {

struct CloseKeeper {
    std::vector<std::string> log;
    int refusals = 1;
    void Closing(Form& sender, bool& accept) {
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
    std::unique_ptr<Form> form = Form::Create({"loop"});
    Button::Create(*form, {.Text = "b"});
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
    std::unique_ptr<Form> form = Form::Create({"other"});
    form->SetVisible(true);
    SendMessageW(form->Window(), WM_CLOSE, 0, 0);
    EXPECT_NE(form->Window(), nullptr);
    EXPECT_FALSE(form->IsVisible());
}

TEST(FocusTest, FirstTabStopControlIsTheFocusControl) {
    std::unique_ptr<Form> form = Form::Create({"focus"});
    Label::Create(*form, {.Text = "no tab stop"});
    auto& group = GroupBox::Create(*form, {.Text = "never focused"});
    auto& combo = ComboBox::Create(group, {.DropDownList = true});
    Button::Create(*form, {.Text = "later"});
    EXPECT_EQ(form->FocusControl(), &combo);
}

TEST(FocusTest, TheWindowPassesItsFocusToTheLastFocusedControl) {
    std::unique_ptr<Form> form = Form::Create({"focus"});
    auto& first = EditBox::Create(*form, {});
    auto& second = Button::Create(*form, {.Text = "second"});
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

struct FailingHandler {
    void Closing(Form&, bool&) { throw Failure("проверка"); }
};

std::vector<std::string> answeredBoxes;

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    wchar_t text[256] = {};
    GetDlgItemTextW(window, 0xFFFF, text, 256);
    answeredBoxes.push_back(WideToCp1251(text));
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

// Runs inside the box's own message loop: reads the box's text and answers it.
void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &AnswerBox, 0);
}

TEST(InternalErrorTest, AFailingHandlerIsToldOnceAndEndsTheLoopWithItsCode) {
    std::unique_ptr<Form> form = Form::Create({"failing"});
    FailingHandler handler;
    form->OnClose = MakeEvent<&FailingHandler::Closing>(handler);
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &AnswerBoxes);
    EXPECT_EQ(SendMessageW(form->Window(), WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(form->Window())) << "the window stays until the loop ends";
    SendMessageW(form->Window(), WM_CLOSE, 0, 0);
    KillTimer(nullptr, timer);
    ASSERT_EQ(answeredBoxes.size(), 1u) << "a second failure is not told again";
    EXPECT_NE(answeredBoxes[0].find("Внутренняя ошибка программы: проверка."), std::string::npos)
        << answeredBoxes[0];
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, WPARAM{kInternalErrorExitCode});
}

}  // namespace
