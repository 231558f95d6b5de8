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
#include "toolkit/window_view.h"

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

enum class FontWeight { Inherited, Normal, Bold };
inline constexpr std::uint32_t kInheritedColour = 0xFFFFFFFFu;

// What every kind takes at creation besides its own arguments. A child starts with a copy
// of its parent's font, changed here before the window first shows it. Place is in layout
// pixels (96 DPI): the window gets it scaled to its display, now and after every change
// of the display's DPI.
struct ControlArgs {
    Bounds Place{0, 0, 100, 22};
    FontWeight Weight = FontWeight::Inherited;
    std::uint32_t TextColour = kInheritedColour;
    std::uint32_t Colour = kButtonFaceColour;  // the background
    bool Enabled = true;
    bool Visible = true;
};

// The window class and styles a kind gives its window.
struct WindowClass {
    const wchar_t* Name;
    DWORD Style;
    DWORD ExStyle = 0;
};

// The shared base of every kind: it owns one window and its child controls, binds the
// window to the object and forwards messages. A parent hands WM_COMMAND and WM_CTLCOLOR*
// to the child they come from; the kinds decode their own notifications.
class Control : public WindowView {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The control whose window is this handle, or null for a window without one.
    static Control* FromHandle(HWND window);
    static Control* FocusedControl() { return FromHandle(GetFocus()); }

    Control* Parent() const { return parent_; }
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

    // Geometry in the window's pixels, kept as the program set it; every change goes
    // through SetBounds. A change of the display's DPI puts the control back at its
    // creation place, scaled.
    const Bounds& Place() const { return bounds_; }
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width; }
    int Height() const { return bounds_.Height; }
    Control& SetBounds(const Bounds& bounds);
    Control& MoveTo(int left, int top) { return SetBounds({left, top, Width(), Height()}); }
    Control& Resize(int width, int height);  // 0 or less keeps that dimension
    // An auto-sized control never grows wider than this (0: no limit); a label so cut ends
    // in an ellipsis, and a check box shows its caption shortened to one.
    virtual Control& LimitAutoWidth(int width);

    // The scale of the display the top-level window is on.
    DpiScale Scale() const;

    Font& GetFont() { return font_; }
    std::uint32_t Color() const { return colour_; }
    Control& SetColor(std::uint32_t colour);

    Control& SetText(std::string_view text);
    Control& SetEnabled(bool enabled);
    Control& SetVisible(bool visible);
    // Makes this control's window a child window of host's window; the object keeps its
    // owner. Used to lend an editor to a custom control.
    void SetParentWindow(Control& host);

    void AddMessageFilter(MessageFilter filter);

    Event<Control&> OnDestroy;
    Event<Control&, int> OnKeyDown;  // the virtual key code

protected:
    explicit Control(Control* parent);

    // Adds child to parent's children; the kinds' Create functions make their objects so.
    template <class Kind>
    static Kind& Adopt(Control& parent, std::unique_ptr<Kind> child) {
        Kind& adopted = *child;
        parent.children_.push_back(std::move(child));
        adopted.id_ = parent.ChildCount();
        return adopted;
    }
    // Creates the window at its final place with its final styles and font, before anything
    // paints it. A class of the toolkit's own is bound from WM_NCCREATE; a standard one is
    // subclassed.
    void CreateWindowFor(const WindowClass& windowClass, const ControlArgs& args,
                         std::string_view text, bool ownClass);
    int Id() const { return id_; }
    // Registers a window class of the toolkit's own, once, with the toolkit's procedure.
    static void RegisterOwnClass(const wchar_t* name, UINT classStyle, HICON icon = nullptr);
    Control& TopLevel();
    LRESULT DefaultProcessing(const Message& message);
    // Fills the client area with the control's colour, for kinds that leave it unpainted.
    bool EraseWithOwnColour(const Message& message, LRESULT& result);

    // The kind's own messages: true when handled, with result going back to the platform.
    virtual bool HandleOwnMessage(const Message& message, LRESULT& result);
    // A WM_COMMAND notification code the parent received from this control.
    virtual void HandleNotification(int /*code*/) {}
    // An auto-sized kind sets the size place needs for text, measured in its font; it is
    // asked before the window is made and whenever its text or font changes.
    virtual void SizeToText(Bounds& /*place*/, std::string_view /*text*/) {}
    // The top-level window's device context for measuring texts.
    HDC MeasuringDc();
    // Whether the window's first focus may go here: a tab stop that takes the focus.
    virtual bool TakesFirstFocus() const { return (Style() & WS_TABSTOP) != 0; }
    // The window moved or was resized; the kind may keep a size of its own.
    virtual void PositionChanged(const WINDOWPOS& position);

    void FitToText();

    Bounds bounds_;

private:
    friend class Form;
    static LRESULT CALLBACK ClassProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam);
    void Bind(HWND window);
    void Unbind();
    Control* FindDescendant(HWND window);
    void RunDestroyEvents();
    LRESULT HandleMessage(const Message& message);
    bool Forward(const Message& message, LRESULT& result);
    LRESULT AnswerColourRequest(HDC dc);
    void FontChanged(Font& font);
    // Takes the new scale: the font, the place and the auto-size, then the children's.
    void Rescale(DpiScale scale);

    Control* parent_;
    int id_ = 0;
    WNDPROC standardProc_ = nullptr;  // a subclassed standard control's own procedure
    bool suppressed_ = false;  // being destroyed: events and filters no longer run
    bool destroyed_ = false;
    int autoWidthLimit_ = 0;
    Bounds layout_;  // the creation place, in layout pixels
    Font font_;
    std::uint32_t colour_ = kButtonFaceColour;
    OwnedBrush brush_;
    std::vector<MessageFilter> filters_;
    std::vector<std::unique_ptr<OwnedObject>> owned_;
    std::vector<std::unique_ptr<Control>> children_;
};
