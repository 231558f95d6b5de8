#include "toolkit/control.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>

#include "base/cp1251.h"
#include "toolkit/application.h"
#include "toolkit/failure.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

}  // namespace

Control::Control(Control* parent) : parent_(parent), context_(parent->context_) {
    font_.OnOwnerChange = MakeEvent<&Control::FontChanged>(*this);
    font_.Assign(parent->font_);
}

Control::Control(std::unique_ptr<WindowContext> context)
    : parent_(nullptr), ownContext_(std::move(context)), context_(*ownContext_) {
    font_.OnOwnerChange = MakeEvent<&Control::FontChanged>(*this);
}

Control::~Control() { Destroy(); }

void Control::RegisterOwnClass(const wchar_t* name, UINT classStyle, HICON icon) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(Instance(), name, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &Control::ClassProc;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

void Control::CreateWindowFor(const WindowClass& windowClass, const ControlArgs& args,
                              std::string_view text, bool ownClass) {
    if (args.Weight == FontWeight::Bold) font_.SetStyle(font_.Style() | kFontBold);
    if (args.Weight == FontWeight::Normal) font_.SetStyle(font_.Style() & ~unsigned{kFontBold});
    if (args.TextColour != kInheritedColour) font_.SetColor(args.TextColour);
    colour_ = args.Colour;
    layout_ = args.Place;
    givesWay_ = args.GivesWay;
    device_ = NaturalPlace(text);
    DWORD style = windowClass.Style;
    if (!args.Enabled) style |= WS_DISABLED;
    if (!args.Visible) style &= ~DWORD{WS_VISIBLE};
    HWND window = CreateWindowExW(windowClass.ExStyle, windowClass.Name, Cp1251ToWide(text).c_str(),
                                  style, device_.Left.Value, device_.Top.Value, device_.Width.Value,
                                  device_.Height.Value, parent_ ? parent_->window_ : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), Instance(),
                                  ownClass ? this : nullptr);
    if (!window) throw Failure("окно не создано");
    if (!ownClass) {
        // Replacing the procedure directly: comctl32's subclassing looks its data up in a
        // window property on every message, a round trip to the server under Wine.
        Bind(window);
        standardProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::SubclassProc)));
    }
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle(Scale())), FALSE);
    if (parent_ && TakesFirstFocus()) context_.OfferFirstFocus(*this);
}

void Control::Bind(HWND window) {
    window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Control::Unbind() {
    if (standardProc_)
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(standardProc_));
    standardProc_ = nullptr;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
}

// A window of the toolkit's own class carries its object; any other is looked up in the
// tree of controls of its top-level window.
Control* Control::FromHandle(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (!root ||
        GetClassLongPtrW(root, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Control::ClassProc))
        return nullptr;
    auto* top = reinterpret_cast<Control*>(GetWindowLongPtrW(root, GWLP_USERDATA));
    return top ? top->FindDescendant(window) : nullptr;
}

Control* Control::FindDescendant(HWND window) {
    if (window_ == window) return this;
    for (const auto& child : children_)
        if (Control* found = child->FindDescendant(window)) return found;
    return nullptr;
}

Control& Control::TopLevel() {
    Control* control = this;
    while (control->parent_) control = control->parent_;
    return *control;
}

void Control::Destroy() {
    if (!destroyed_) RunDestroyEvents();
    if (window_) DestroyWindow(window_);
    children_.clear();
}

void Control::RunDestroyEvents() {
    destroyed_ = true;
    OnDestroy(*this);
    // From here on the window only gets the default processing.
    suppressed_ = true;
    for (auto& object : owned_) object.reset();
    owned_.clear();
    for (auto& child : children_) child->RunDestroyEvents();
}

// ---- window procedures

LRESULT CALLBACK Control::ClassProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (auto* control = static_cast<Control*>(create->lpCreateParams)) control->Bind(window);
    }
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!control) return DefWindowProcW(window, id, wParam, lParam);
    return control->HandleMessage({window, id, wParam, lParam});
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return control->HandleMessage({window, id, wParam, lParam});
}

LRESULT Control::DefaultProcessing(const Message& message) {
    if (standardProc_)
        return CallWindowProcW(standardProc_, message.Window, message.Id, message.WParam,
                               message.LParam);
    return DefWindowProcW(message.Window, message.Id, message.WParam, message.LParam);
}

LRESULT Control::HandleMessage(const Message& message) {
    if (message.Id == WM_NCDESTROY) {
        LRESULT result = DefaultProcessing(message);
        Unbind();
        return result;
    }
    if (!suppressed_) {
        // No exception may unwind into the platform: a failing handler ends the program.
        try {
            // A filter may attach another one while it runs: walk a copy.
            std::vector<MessageFilter> filters = filters_;
            for (auto filter = filters.rbegin(); filter != filters.rend(); ++filter) {
                LRESULT result = 0;
                if (filter->code(filter->object, *this, message, result)) return result;
            }
            LRESULT result = 0;
            if (Forward(message, result) || HandleOwnMessage(message, result)) return result;
        } catch (const std::exception& failure) {
            ReportInternalError(failure.what());
            return 0;
        } catch (...) {
            ReportInternalError({});
            return 0;
        }
    }
    return DefaultProcessing(message);
}

// What a child tells its parent goes to the child's object: its own children first, then
// a control lent into this window, such as a grid's editor.
bool Control::Forward(const Message& message, LRESULT& result) {
    const bool command = message.Id == WM_COMMAND && message.LParam;
    const bool colour = message.Id >= WM_CTLCOLORMSGBOX && message.Id <= WM_CTLCOLORSTATIC;
    const bool notify = message.Id == WM_NOTIFY && message.LParam;
    if (!command && !colour && !notify) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    HWND from = notify ? header->hwndFrom : reinterpret_cast<HWND>(message.LParam);
    Control* child = nullptr;
    for (const auto& candidate : children_)
        if (candidate->window_ == from) child = candidate.get();
    if (!child) child = TopLevel().FindDescendant(from);
    if (!child || child->suppressed_) return false;
    if (notify) return child->HandleNotify(*header, result);
    if (command)
        child->HandleNotification(HIWORD(message.WParam));
    else
        result = child->AnswerColourRequest(reinterpret_cast<HDC>(message.WParam));
    return true;
}

bool Control::HandleOwnMessage(const Message& message, LRESULT&) {
    switch (message.Id) {
    case WM_SETFOCUS:
        if (parent_) context_.RememberFocus(*this);
        return false;
    case WM_KEYDOWN:
        OnKeyDown(*this, static_cast<int>(message.WParam));
        return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        if (captionCut_) RelayToTooltip(message);
        return false;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        TakeNewColours(message);
        return false;
    default:
        return false;
    }
}

void Control::RelayToTooltip(const Message& message) {
    const DWORD position = GetMessagePos();
    MSG relayed{message.Window, message.Id, message.WParam, message.LParam, static_cast<DWORD>(GetMessageTime()),
                {GET_X_LPARAM(position), GET_Y_LPARAM(position)}};
    context_.Tooltip().Relay(*this, relayed);
}

bool Control::EraseWithOwnColour(const Message& message, LRESULT& result) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(reinterpret_cast<HDC>(message.WParam), &client,
             reinterpret_cast<HBRUSH>(AnswerColourRequest(nullptr)));
    result = 1;
    return true;
}

LRESULT Control::AnswerColourRequest(HDC dc) {
    if (dc) {
        SetTextColor(dc, ColourToRgb(font_.Color()));
        SetBkColor(dc, ColourToRgb(colour_));
        SetBkMode(dc, OPAQUE);
    }
    if (!brush_) brush_.Reset(CreateSolidBrush(ColourToRgb(colour_)));
    return reinterpret_cast<LRESULT>(brush_.Get());
}

// ---- state

Control& Control::SetColor(std::uint32_t colour) {
    colour_ = colour;
    brush_.Reset();
    Invalidate();
    return *this;
}

void Control::FontChanged(Font&) {
    if (!window_) return;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle(Scale())), TRUE);
    FitToText();
    Invalidate();
}

Control& Control::SetText(std::string_view text) {
    WindowView::SetText(text);
    FitToText();
    if (captionCut_) context_.Tooltip().Forget(*this);
    return *this;
}

Control& Control::SetEnabled(bool enabled) {
    if (window_) EnableWindow(window_, enabled);
    return *this;
}

Control& Control::SetVisible(bool visible) {
    if (window_) ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
    return *this;
}

void Control::SetParentWindow(Control& host) {
    if (window_ && host.window_) SetParent(window_, host.window_);
}

void Control::AddMessageFilter(MessageFilter filter) {
    if (std::find(filters_.begin(), filters_.end(), filter) == filters_.end())
        filters_.push_back(filter);
}
