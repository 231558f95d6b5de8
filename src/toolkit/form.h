#pragma once
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/native_path.h"

#include "toolkit/control.h"

inline constexpr const wchar_t* kFormClass = L"Form";

struct FormArgs {
    std::string_view Caption;
    LayoutPx ClientWidth{};  // 0: the default client area, 400 by 300
    LayoutPx ClientHeight{};
    bool Maximizable = true;
    bool Centred = false;  // on the screen
    bool AcceptsFiles = false;  // dropped from Explorer: OnFileDrop
};

// A top-level window. It is created hidden, at its final size, and the message loop shows
// it once everything in it is in place. It keeps the context its controls share, the
// scale of its display among it, taken at creation and from WM_DPICHANGED.
//
// A form's place is its client area: SetPlace and Resize set the client size in layout
// pixels, and the window around it follows at every scale. Where the window stands on the
// screen is the user's and the platform's (CenterOnScreen, a drag, a move to another
// display): the place's left and top are not used.
class Form final : public Control {
public:
    static std::unique_ptr<Form> Create(const FormArgs& args);

    // Posts WM_CLOSE: the close happens when the message comes out of the queue.
    void Close();
    Form& CenterOnScreen();
    // The user can no longer change the window's size.
    Form& LockSize();
    Control* FocusControl() const { return Context().FocusControl(); }

    // A command of the window menu, after the platform's own and a separator; id a multiple
    // of 16 below 0xF000, as the platform keeps the low four bits. The text may end in a
    // tab and its shortcut.
    void AddMenuCommand(int id, std::string_view text);
    void EnableMenuCommand(int id, bool enabled);
    // The title, then « — » and a name, such as the file in use, built as wide text so that
    // any name shows whole; an empty name leaves the title alone.
    void ShowNameInTitle(const std::wstring& name);

    // Rescales the window and every control in it, as a move to a display of that DPI does:
    // one pass over the tree.
    void ApplyScale(DpiScale scale);
    // One layout pass over every control, once they are all made.
    void LayOut() { LayOutChildren(); }

    Event<Form&, bool&> OnClose;  // clear the flag to refuse the close
    Event<Form&, int> OnMenuCommand;  // from the window menu, a shortcut or automation
    Event<Form&, const NativePath&> OnFileDrop;  // of several files dropped, the first

private:
    Form() : Control(std::make_unique<WindowContext>()) {}
    bool HandleOwnMessage(const Message& message, LRESULT& result) override;
    bool HandleClose();
    bool HandleMenuCommand(int id);
    void TakeDroppedFiles(HDROP drop);
    void FitToText() override;
    // Places and sizes the whole window, in screen pixels; flags as SetWindowPos takes them.
    void SetOuterPlace(int left, int top, int width, int height, UINT flags);

    std::string title_;
    std::vector<int> menuCommands_;
    bool sizeLocked_ = false;
    SIZE lockedSize_{};  // the outer size the user cannot change; the program's changes set it
};
