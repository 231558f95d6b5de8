#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/colour.h"
#include "toolkit/event.h"
#include "toolkit/font.h"
#include "toolkit/gdi_handles.h"

enum class ControlKind { Form, Label, Button, CheckBox, GroupBox, Panel, EditBox, ComboBox, Custom };
enum class TextAlign { Left, Right, Center };

// Something that lives as long as a control: freed after the control's OnDestroy, in the
// order the objects were added.
class OwnedObject {
public:
    virtual ~OwnedObject() = default;
};

// One window message as a control's message filter sees it.
struct Message {
    HWND Window;
    UINT Id;
    WPARAM WParam;
    LPARAM LParam;
};

class Control;

// A procedure that sees a control's messages before the toolkit does. Returning true stops
// the processing; result then goes back to the platform. Bind with MakeMessageFilter.
struct MessageFilter {
    using Code = bool (*)(void* object, Control& control, const Message& message,
                          LRESULT& result);
    Code code = nullptr;
    void* object = nullptr;
    friend bool operator==(const MessageFilter&, const MessageFilter&) = default;
};

template <auto Method, class Class>
MessageFilter MakeMessageFilter(Class& object) {
    return {[](void* self, Control& control, const Message& message, LRESULT& result) {
                return (static_cast<Class*>(self)->*Method)(control, message, result);
            },
            &object};
}

struct ScrollRange {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Position = 0;
};

// What a new window is made of; the creation functions in controls.h fill it per kind.
struct WindowSpec {
    ControlKind Kind = ControlKind::Custom;
    const wchar_t* ClassName = nullptr;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    std::string_view Text;
    UINT ClassStyle = 0;  // for the toolkit's own window classes
    int Width = 100;
    int Height = 22;
};

// One window or control. The object owns its window and its child controls; a window is
// created hidden with its object and the message loop shows the top-level one. Texts are
// CP1251; the window gets them as UTF-16.
class Control {
public:
    // A top-level window of a class registered by the toolkit.
    static std::unique_ptr<Control> CreateTopLevel(const WindowSpec& spec);
    // A child inside this control, owned by it, at the default place of its kind.
    Control& CreateChild(const WindowSpec& spec);

    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The control whose window is this handle, or null for a window without one.
    static Control* FromHandle(HWND window);

    HWND Window() const { return window_; }
    Control* Parent() const { return parent_; }
    ControlKind Kind() const { return kind_; }
    int ChildCount() const { return static_cast<int>(children_.size()); }
    Control& Child(int index) const { return *children_[static_cast<std::size_t>(index)]; }

    template <class T>
    T& AddOwnedObject(std::unique_ptr<T> object) {
        T& added = *object;
        owned_.push_back(std::move(object));
        return added;
    }
    template <class T>
    T* FindOwnedObject() const {
        for (const auto& object : owned_)
            if (auto* found = dynamic_cast<T*>(object.get())) return found;
        return nullptr;
    }

    // Runs OnDestroy, frees the owned objects, then destroys the children and the window.
    // The object itself stays until its owner releases it.
    void Destroy();
    // Posts WM_CLOSE: the close happens when the message comes out of the queue.
    void Close();

    // Geometry: child bounds are in the parent's client coordinates, a top-level window's in
    // screen coordinates.
    RECT Bounds() const;
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const;
    int Height() const;
    int ClientWidth() const;
    int ClientHeight() const;
    Control& SetBounds(int left, int top, int width, int height);
    Control& MoveTo(int left, int top);
    Control& Resize(int width, int height);        // 0 or less keeps that dimension
    Control& ResizeClient(int width, int height);  // 0 or less keeps that dimension
    Control& AutoSizeToText(bool on);
    // The auto-size never grows wider than this (0: no limit); a label so cut ends in an
    // ellipsis, and a check box shows its caption shortened to one.
    Control& LimitAutoWidth(int width);
    Control& CenterOnScreen();
    Control& LockSize();
    Control& SetMargin(int margin);
    int Margin() const { return margin_; }

    // Appearance.
    Font& GetFont() { return font_; }
    std::uint32_t Color() const { return colour_; }
    Control& SetColor(std::uint32_t colour);
    Control& SetTextAlign(TextAlign align);
    DWORD Style() const { return style_; }
    Control& SetStyle(DWORD style);
    DWORD ExStyle() const { return exStyle_; }
    Control& SetHasBorder(bool hasBorder);
    void Invalidate();

    // State.
    std::string Text() const;
    Control& SetText(std::string_view text);
    Control& SetEnabled(bool enabled);
    bool IsEnabled() const;
    Control& SetVisible(bool visible);
    bool IsVisible() const;
    Control& SetChecked(bool checked);  // raises no event
    bool IsChecked() const;
    // Raises the click event as a user's click would, without changing a check mark.
    void Click();

    // Combo box items; none of these raises an event.
    int AddItem(std::string_view text);
    std::string ItemText(int index) const;
    int ItemCount() const;
    int ItemIndex() const;
    void SetItemIndex(int index);

    // Services for custom controls.
    void AddMessageFilter(MessageFilter filter);
    int UpdateCount() const { return updateCount_; }
    void SetUpdateCount(int count) { updateCount_ = count; }
    void SetScrollBar(int bar, const ScrollRange& state);  // SB_HORZ or SB_VERT
    void CaptureMouse();
    void ReleaseMouse();
    void Focus();
    bool HasFocus() const;
    static Control* FocusedControl();
    // Makes this control's window a child window of host's window; the object keeps its
    // owner. Used to lend an editor to a custom control.
    void SetParentWindow(Control& host);
    // The first control created in this top-level window that takes the focus, later the
    // control that had it last: the focus goes back there when the window gets it.
    Control* FocusControl() const { return focusControl_; }

    // Events: the sender is this control.
    Event<Control&> OnClick;
    Event<Control&> OnChange;
    Event<Control&> OnSelChange;
    Event<Control&> OnDestroy;
    Event<Control&, bool&> OnClose;  // clear the flag to refuse the close
    Event<Control&, int> OnKeyDown;  // the virtual key code
    Event<Control&> OnLeave;         // an edit box lost the focus

private:
    Control(Control* parent, ControlKind kind);
    void CreateWindowFor(const WindowSpec& spec, int left, int top);
    void Bind(HWND window);
    void Unbind();
    Control& TopLevel();
    void RunDestroyEvents();

    static LRESULT CALLBACK ClassProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR data);
    LRESULT HandleMessage(const Message& message);
    LRESULT DefaultProcessing(const Message& message);
    bool HandleOwnMessage(const Message& message, LRESULT& result);
    void PositionChanged(const WINDOWPOS& position);
    void HandleNotification(int code);
    LRESULT AnswerColourRequest(HDC dc);
    void DropDownComboList();
    void ApplyFont();
    void FontChanged(Font& font);
    void FitToText();
    void ShowCaptionWithin(int width);
    void ApplyStyle();

    HWND window_ = nullptr;
    Control* parent_;
    ControlKind kind_;
    bool subclassed_ = false;
    bool suppressed_ = false;  // being destroyed: events and filters no longer run
    bool destroyed_ = false;
    RECT bounds_{};  // kept by the object: a combo box's window height is the platform's
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    int id_ = 0;
    int margin_ = 2;
    int topClientMargin_ = 0;
    bool autoSize_ = false;
    int autoWidthLimit_ = 0;
    std::wstring caption_;  // the whole text of a check box whose shown caption may be cut
    bool sizeLocked_ = false;
    SIZE lockedSize_{};
    int updateCount_ = 0;
    Font font_;
    std::uint32_t colour_ = kButtonFaceColour;
    OwnedBrush brush_;
    Control* focusControl_ = nullptr;  // top-level window only
    std::vector<MessageFilter> filters_;
    std::vector<std::unique_ptr<OwnedObject>> owned_;
    std::vector<std::unique_ptr<Control>> children_;
};
