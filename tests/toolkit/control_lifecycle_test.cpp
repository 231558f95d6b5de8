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

using Log = std::vector<std::string>;

class Logged : public OwnedObject {
public:
    Logged(Log& log, std::string name) : log_(log), name_(std::move(name)) {}
    ~Logged() override { log_.push_back("free " + name_); }

private:
    Log& log_;
    std::string name_;
};

struct Watcher {
    Log& log;
    void Destroyed(Control& sender) {
        log.push_back("destroy " + sender.Text());
        log.push_back(std::string("window ") + (sender.Window() ? "alive" : "gone"));
    }
};

TEST(ControlLifecycleTest, DestroyRunsTheEventThenFreesOwnedObjectsInOrder) {
    Log log;
    Watcher watcher{log};
    std::unique_ptr<Form> form = Form::Create({"form"});
    auto& child = Label::Create(*form, {.Text = "child"});
    HWND childWindow = child.Window();
    form->OnDestroy = MakeEvent<&Watcher::Destroyed>(watcher);
    child.OnDestroy = MakeEvent<&Watcher::Destroyed>(watcher);
    form->AddOwnedObject(std::make_unique<Logged>(log, "first"));
    child.AddOwnedObject(std::make_unique<Logged>(log, "child's"));
    form->AddOwnedObject(std::make_unique<Logged>(log, "second"));

    form->Destroy();
    EXPECT_EQ(log, (Log{"destroy form", "window alive", "free first", "free second",
                        "destroy child", "window alive", "free child's"}));
    EXPECT_EQ(form->Window(), nullptr);
    EXPECT_FALSE(IsWindow(childWindow));
    EXPECT_EQ(form->ChildCount(), 0);
    form.reset();
    EXPECT_EQ(log.size(), 7u) << "nothing runs twice";
}

TEST(ControlLifecycleTest, OwnedObjectsCanBeFoundByType) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    Log log;
    Logged& added = form->AddOwnedObject(std::make_unique<Logged>(log, "x"));
    EXPECT_EQ(form->FindOwnedObject<Logged>(), &added);
    EXPECT_EQ(Label::Create(*form, {.Text = "y"}).FindOwnedObject<Logged>(), nullptr);
}

TEST(ControlLifecycleTest, WindowsFindTheirObjects) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    auto& edit = EditBox::Create(*form, {});
    EXPECT_EQ(Control::FromHandle(form->Window()), form.get());
    EXPECT_EQ(Control::FromHandle(edit.Window()), &edit);
    EXPECT_EQ(Control::FromHandle(GetDesktopWindow()), nullptr);
    EXPECT_EQ(Control::FromHandle(nullptr), nullptr);
    EXPECT_EQ(form->ChildCount(), 1);
    EXPECT_EQ(&form->Child(0), &edit);
    EXPECT_EQ(edit.Parent(), form.get());
}

TEST(ControlLifecycleTest, AFormIsCreatedHidden) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    auto& label = Label::Create(*form, {.Text = "x"});
    EXPECT_FALSE(IsWindowVisible(form->Window()));
    EXPECT_TRUE(label.IsVisible());
    EXPECT_FALSE(IsWindowVisible(label.Window())) << "nothing is drawn yet";
}

struct FilterLog {
    Log log;
    bool First(Control&, const Message& m, LRESULT& result) {
        if (m.Id != WM_APP) return false;
        log.push_back("first");
        result = 7;
        return m.WParam == 1;
    }
    bool Second(Control&, const Message& m, LRESULT&) {
        if (m.Id == WM_APP) log.push_back("second");
        return false;
    }
};

TEST(ControlLifecycleTest, MessageFiltersRunLastAttachedFirstAndCanStopTheMessage) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    FilterLog filters;
    form->AddMessageFilter(MakeMessageFilter<&FilterLog::First>(filters));
    form->AddMessageFilter(MakeMessageFilter<&FilterLog::Second>(filters));
    form->AddMessageFilter(MakeMessageFilter<&FilterLog::First>(filters));  // already there
    EXPECT_EQ(SendMessageW(form->Window(), WM_APP, 1, 0), 7);
    EXPECT_EQ(filters.log, (Log{"second", "first"}));
    filters.log.clear();
    EXPECT_EQ(SendMessageW(form->Window(), WM_APP, 0, 0), 0) << "default processing";
    EXPECT_EQ(filters.log, (Log{"second", "first"}));
}

TEST(ControlLifecycleTest, CustomControlGetsItsOwnClassAndStyles) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    constexpr DWORD style = 0x56B10000;
    const CustomControlArgs args{.ClassName = L"kelmTestCustom", .ClassStyle = CS_DBLCLKS, .Style = style};
    auto& custom = CustomControl::Create(*form, args);
    wchar_t name[32] = {};
    GetClassNameW(custom.Window(), name, 32);
    EXPECT_STREQ(name, L"kelmTestCustom");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(custom.Window(), GWL_STYLE)), style);
    EXPECT_EQ(GetClassLongPtrW(custom.Window(), GCL_STYLE), CS_DBLCLKS);
    auto& again = CustomControl::Create(*form, args);
    EXPECT_NE(again.Window(), nullptr) << "the class is registered once and reused";
}

// The styles as the windows keep them.
TEST(ControlLifecycleTest, KindsGetTheirWin32ClassesAndStyles) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    constexpr DWORD clip = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    struct Case {
        const char* name;
        Control& control;
        const wchar_t* className;
        DWORD style;
        DWORD exStyle;
    } cases[] = {
        {"label", Label::Create(*form, {.Text = "l"}), L"Static", 0x5000018C | clip, 0},
        {"button", Button::Create(*form, {.Text = "b"}), L"Button", 0x50011000 | clip, 0},
        {"check box", CheckBox::Create(*form, {.Text = "c"}), L"Button", 0x50010003, 0},
        {"group box", GroupBox::Create(*form, {.Text = "g"}), L"Button", 0x56030007 | clip,
         WS_EX_CONTROLPARENT},
        // A sunken static control gets a static edge from the platform.
        {"panel", Panel::Create(*form, {.Edge = PanelEdge::Lowered}), L"Static", 0x5000118C | clip,
         WS_EX_CONTROLPARENT | WS_EX_STATICEDGE},
        {"edit box", EditBox::Create(*form, {.DigitsOnly = true}), L"Edit",
         (0x50010000 | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NUMBER) | clip, WS_EX_CLIENTEDGE},
        // A combo box draws its own frame: it keeps neither the scroll bar nor the edge.
        {"combo box", ComboBox::Create(*form, {.DropDownList = true}), L"ComboBox",
         0x50010200 | CBS_DROPDOWNLIST | clip, 0},
    };
    for (const Case& c : cases) {
        wchar_t name[32] = {};
        GetClassNameW(c.control.Window(), name, 32);
        EXPECT_EQ(_wcsicmp(name, c.className), 0) << c.name;
        EXPECT_EQ(c.control.Style(), c.style) << c.name;
        EXPECT_EQ(c.control.ExStyle(), c.exStyle) << c.name;
    }
}

TEST(ControlLifecycleTest, AFormWithoutMaximizeBoxIsCreatedHidden) {
    std::unique_ptr<Form> form = Form::Create({.Caption = "form", .Maximizable = false});
    EXPECT_FALSE(IsWindowVisible(form->Window()));
    EXPECT_EQ(GetWindowLongPtrW(form->Window(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
}

TEST(ControlLifecycleTest, EnabledAndVisibleState) {
    std::unique_ptr<Form> form = Form::Create({"form"});
    auto& group = GroupBox::Create(*form, {.Text = "g"});
    auto& button = Button::Create(group, {.Text = "b"});
    group.SetEnabled(false);
    EXPECT_FALSE(group.IsEnabled());
    EXPECT_TRUE(group.Style() & WS_DISABLED);
    EXPECT_TRUE(button.IsEnabled()) << "the child's own state is unchanged";
    button.SetVisible(false);
    EXPECT_FALSE(button.IsVisible());
    button.SetVisible(true);
    EXPECT_TRUE(button.IsVisible());
}

}  // namespace
