#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/colour.h"
#include "toolkit/event.h"
#include "toolkit/font.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/window_context.h"
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
// of its parent's font, changed here before the window first shows it.
struct ControlArgs {
    LayoutRect Place = MakeLayoutRect(0, 0, 100, 22);
    // An auto-sized caption cut short rather than cover the nearest control to its right;
    // it is shortened only where it is drawn, and shows whole in a tooltip.
    bool GivesWay = false;
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

    // The layout place is the one truth: set at creation and by every move or resize the
    // program makes. The window's device place follows from it, the scale, the auto-size
    // and the give-way room, in one layout step.
    const LayoutRect& Place() const { return layout_; }
    Control& SetPlace(const LayoutRect& place);
    Control& MoveTo(LayoutPx left, LayoutPx top) { return SetPlace({left, top, layout_.Width, layout_.Height}); }
    Control& Resize(LayoutPx width, LayoutPx height);  // 0 or less keeps that dimension
    // Where the window is, in its parent's device pixels.
    const DeviceRect& DevicePlace() const { return device_; }
    // A place another control's own geometry gives in device pixels, such as a grid cell's
    // for its editor. It stands until the next SetPlace; a change of scale leaves it to
    // the host.
    void PlaceInHost(const DeviceRect& place);
    // Whether a caption that gives way is cut short now.
    bool IsCaptionCut() const { return captionCut_; }

    // The scale of the display the top-level window is on.
    DpiScale Scale() const { return context_.Scale(); }

    Font& GetFont() { return font_; }
    std::uint32_t Color() const { return colour_; }
    Control& SetColor(std::uint32_t colour);

    // The window text is always the whole text, whatever is drawn of it.
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
    explicit Control(Control* parent);  // never null: a top-level window takes a context
    // A top-level window: it keeps the context its controls share.
    explicit Control(std::unique_ptr<WindowContext> context);

    // Adds child to parent's children and creates its window: the kinds' Create functions
    // make their objects so.
    template <class Kind>
    static Kind& Adopt(Control& parent, std::unique_ptr<Kind> child, const WindowClass& windowClass,
                       const ControlArgs& args, std::string_view text, bool ownClass) {
        Kind& adopted = *child;
        parent.children_.push_back(std::move(child));
        adopted.id_ = parent.ChildCount();
        adopted.CreateWindowFor(windowClass, args, text, ownClass);
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
    WindowContext& Context() const { return context_; }
    LRESULT DefaultProcessing(const Message& message);
    // Sets dc to the control's text and background colours and gives its background brush.
    LRESULT AnswerColourRequest(HDC dc);
    // Fills the client area with the control's colour, for kinds that leave it unpainted.
    bool EraseWithOwnColour(const Message& message, LRESULT& result);

    // The kind's own messages: true when handled, with result going back to the platform.
    virtual bool HandleOwnMessage(const Message& message, LRESULT& result);
    // A WM_COMMAND notification code the parent received from this control.
    virtual void HandleNotification(int /*code*/) {}
    // A WM_NOTIFY the parent received from this control.
    virtual bool HandleNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // An auto-sized kind sets the size place needs for text, measured in its font; it is
    // asked before the window is made and whenever its text, font or scale changes.
    virtual void SizeToText(DeviceRect& /*place*/, std::string_view /*text*/) {}
    // The caption was cut short or shown whole again.
    virtual void CaptionCutChanged() {}
    // The scale changed; the kind redoes what it derived from it. Called once per change.
    virtual void ScaleChanged() {}
    // The top-level window's device context for measuring texts.
    HDC MeasuringDc() { return context_.MeasuringDc(); }
    // Whether the window's first focus may go here: a tab stop that takes the focus.
    virtual bool TakesFirstFocus() const { return (Style() & WS_TABSTOP) != 0; }

    // The layout step for this control: its natural place, sized to its text and cut to
    // the give-way room.
    virtual void FitToText();
    // One layout pass over the children (those that give way after the others), then theirs.
    void LayOutChildren();
    void FitGiveWayChildren();

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
    void FontChanged(Font& font);
    // New system colours, settings or theme: what was made of the old colours goes.
    void TakeNewColours(const Message& message);
    // A change of scale, in its steps: the fonts of the whole tree, then (after the layout
    // pass) what each kind derived from the scale.
    void TakeScaledFont();
    void TellScaleChanged();
    DeviceRect NaturalPlace(std::string_view text);
    DevicePx RoomToTheRight(const DeviceRect& place) const;
    void ApplyDevicePlace(const DeviceRect& place);
    void RelayToTooltip(const Message& message);

    Control* parent_;
    std::unique_ptr<WindowContext> ownContext_;  // a top-level window's
    WindowContext& context_;
    int id_ = 0;
    WNDPROC standardProc_ = nullptr;  // a subclassed standard control's own procedure
    bool suppressed_ = false;  // being destroyed: events and filters no longer run
    bool destroyed_ = false;
    LayoutRect layout_;
    std::optional<DeviceRect> hostPlace_;
    DeviceRect device_;  // kept so siblings measure without asking the window
    bool givesWay_ = false;
    bool captionCut_ = false;
    Font font_;
    std::uint32_t colour_ = kButtonFaceColour;
    OwnedBrush brush_;
    std::vector<MessageFilter> filters_;
    std::vector<std::unique_ptr<OwnedObject>> owned_;
    std::vector<std::unique_ptr<Control>> children_;
};
