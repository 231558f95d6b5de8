#include "toolkit/control.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "toolkit/application.h"
#include "toolkit/cp1251.h"

namespace {

// The window property through which every window finds its object.
constexpr const wchar_t* kControlProperty = L"KelmControl";
constexpr UINT_PTR kSubclassId = 1;
// Posted by a combo box to itself after CBN_SELCHANGE, so the change event runs once the
// selection is final.
constexpr int kDeferredSelChange = 15;
constexpr int kComboListRows = 8;
constexpr int kCheckBoxMark = 24;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

void RegisterToolkitClass(const wchar_t* name, UINT classStyle, WNDPROC procedure, bool form) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(Instance(), name, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (form) windowClass.hIcon = LoadIconW(Instance(), L"MAINICON");
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

bool IsButtonClass(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::CheckBox ||
           kind == ControlKind::GroupBox;
}

std::wstring WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

}  // namespace

Control::Control(Control* parent, ControlKind kind) : parent_(parent), kind_(kind) {
    font_.OnOwnerChange = MakeEvent<&Control::FontChanged>(*this);
    if (parent) {
        font_.Assign(parent->font_);
        margin_ = parent->margin_;
    }
    if (kind == ControlKind::GroupBox) topClientMargin_ = 22;
}

Control::~Control() { Destroy(); }

std::unique_ptr<Control> Control::CreateTopLevel(const WindowSpec& spec) {
    std::unique_ptr<Control> control(new Control(nullptr, spec.Kind));
    control->CreateWindowFor(spec, 0, 0);
    return control;
}

Control& Control::CreateChild(const WindowSpec& spec) {
    std::unique_ptr<Control> child(new Control(this, spec.Kind));
    Control& created = *child;
    children_.push_back(std::move(child));
    created.id_ = ChildCount();
    created.CreateWindowFor(spec, margin_, margin_ + topClientMargin_);
    Control& top = TopLevel();
    if (!top.focusControl_ && (created.style_ & WS_TABSTOP) &&
        created.kind_ != ControlKind::GroupBox)
        top.focusControl_ = &created;
    return created;
}

void Control::CreateWindowFor(const WindowSpec& spec, int left, int top) {
    style_ = spec.Style;
    if (kind_ != ControlKind::CheckBox) style_ |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    exStyle_ = spec.ExStyle;
    bounds_ = {left, top, left + spec.Width, top + spec.Height};
    // A top-level window stays hidden until the message loop shows it.
    DWORD createStyle = parent_ ? style_ : style_ & ~WS_VISIBLE;
    HWND parentWindow = parent_ ? parent_->window_ : nullptr;
    std::wstring text = Cp1251ToWide(spec.Text);
    const bool ownClass = kind_ == ControlKind::Form || kind_ == ControlKind::Custom;
    if (ownClass)
        RegisterToolkitClass(spec.ClassName, spec.ClassStyle, &Control::ClassProc,
                             kind_ == ControlKind::Form);
    HWND window = CreateWindowExW(exStyle_, spec.ClassName, text.c_str(), createStyle, left, top,
                                  spec.Width, spec.Height, parentWindow,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                                  Instance(), ownClass ? this : nullptr);
    if (!ownClass && window) {
        Bind(window);
        SetWindowSubclass(window, &Control::SubclassProc, kSubclassId,
                          reinterpret_cast<DWORD_PTR>(this));
        subclassed_ = true;
    }
    ApplyFont();
}

void Control::Bind(HWND window) {
    window_ = window;
    SetPropW(window, kControlProperty, this);
}

void Control::Unbind() {
    RemovePropW(window_, kControlProperty);
    if (subclassed_) RemoveWindowSubclass(window_, &Control::SubclassProc, kSubclassId);
    subclassed_ = false;
    window_ = nullptr;
}

Control* Control::FromHandle(HWND window) {
    if (!window) return nullptr;
    return static_cast<Control*>(GetPropW(window, kControlProperty));
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

void Control::Close() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
}

// ---- window procedures

LRESULT CALLBACK Control::ClassProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (auto* control = static_cast<Control*>(create->lpCreateParams)) control->Bind(window);
    }
    Control* control = FromHandle(window);
    if (!control) return DefWindowProcW(window, id, wParam, lParam);
    return control->HandleMessage({window, id, wParam, lParam});
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
    auto* control = reinterpret_cast<Control*>(data);
    return control->HandleMessage({window, id, wParam, lParam});
}

LRESULT Control::DefaultProcessing(const Message& message) {
    if (subclassed_)
        return DefSubclassProc(message.Window, message.Id, message.WParam, message.LParam);
    return DefWindowProcW(message.Window, message.Id, message.WParam, message.LParam);
}

LRESULT Control::HandleMessage(const Message& message) {
    if (message.Id == WM_NCDESTROY) {
        LRESULT result = DefaultProcessing(message);
        Unbind();
        return result;
    }
    if (!suppressed_) {
        try {
            // A filter may attach another one while it runs: walk a copy.
            std::vector<MessageFilter> filters = filters_;
            for (auto filter = filters.rbegin(); filter != filters.rend(); ++filter) {
                LRESULT result = 0;
                if (filter->code(filter->object, *this, message, result)) return result;
            }
            LRESULT result = 0;
            if (HandleOwnMessage(message, result)) return result;
        } catch (...) {
            // Nothing may unwind into the platform; the message gets the default processing.
        }
    }
    return DefaultProcessing(message);
}

bool Control::HandleOwnMessage(const Message& message, LRESULT& result) {
    switch (message.Id) {
    case WM_COMMAND: {
        Control* child = FromHandle(reinterpret_cast<HWND>(message.LParam));
        if (!message.LParam || !child || child->suppressed_) return false;
        child->HandleNotification(HIWORD(message.WParam));
        result = 0;
        return true;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        Control* child = FromHandle(reinterpret_cast<HWND>(message.LParam));
        if (!child || child->suppressed_) return false;
        result = child->AnswerColourRequest(reinterpret_cast<HDC>(message.WParam));
        return true;
    }
    case WM_SETFOCUS:
        if (!parent_) {
            Control* target = focusControl_;
            if (target && target != this && target->window_ && IsWindowEnabled(target->window_) &&
                IsWindowVisible(target->window_)) {
                SetFocus(target->window_);
                result = 0;
                return true;
            }
        } else {
            TopLevel().focusControl_ = this;
        }
        return false;
    case WM_KEYDOWN:
        OnKeyDown(*this, static_cast<int>(message.WParam));
        return false;
    case WM_CLOSE: {
        if (parent_) return false;
        bool accept = true;
        OnClose(*this, accept);
        if (!accept && IsLoopRunning()) return true;
        if (ApplicationWindow() == this)
            PostQuitMessage(0);
        else
            SetVisible(false);
        return true;
    }
    case WM_ENDSESSION:
        if (message.WParam && ApplicationWindow() == this) EndApplicationSession();
        return false;
    case WM_GETMINMAXINFO:
        if (!sizeLocked_) return false;
        {
            auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
            info->ptMinTrackSize = {lockedSize_.cx, lockedSize_.cy};
            info->ptMaxTrackSize = {lockedSize_.cx, lockedSize_.cy};
        }
        return true;
    case WM_NCHITTEST:
        if (!sizeLocked_) return false;
        result = DefaultProcessing(message);
        // No edge or corner may act as a sizing handle.
        if (result >= HTLEFT && result <= HTBOTTOMRIGHT) result = HTBORDER;
        return true;
    case WM_ERASEBKGND:
        // These kinds leave their inside unpainted: they get their own colour.
        if (kind_ != ControlKind::Form && kind_ != ControlKind::GroupBox &&
            kind_ != ControlKind::Panel)
            return false;
        {
            RECT client;
            GetClientRect(window_, &client);
            HBRUSH brush = reinterpret_cast<HBRUSH>(AnswerColourRequest(nullptr));
            FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush);
        }
        result = 1;
        return true;
    case WM_WINDOWPOSCHANGED:
        PositionChanged(*reinterpret_cast<const WINDOWPOS*>(message.LParam));
        return false;
    default:
        return false;
    }
}

void Control::PositionChanged(const WINDOWPOS& position) {
    if (!(position.flags & SWP_NOMOVE)) {
        OffsetRect(&bounds_, position.x - bounds_.left, position.y - bounds_.top);
    }
    if (!(position.flags & SWP_NOSIZE)) {
        bounds_.right = bounds_.left + position.cx;
        // A combo box's window also covers its dropped list; its own height stays as set.
        if (kind_ != ControlKind::ComboBox) bounds_.bottom = bounds_.top + position.cy;
    }
}

void Control::HandleNotification(int code) {
    switch (kind_) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
        if (code == BN_CLICKED) OnClick(*this);
        break;
    case ControlKind::Label:
    case ControlKind::Panel:
        if (code == STN_CLICKED) OnClick(*this);
        break;
    case ControlKind::EditBox:
        if (code == EN_CHANGE) OnChange(*this);
        if (code == EN_KILLFOCUS) OnLeave(*this);
        break;
    case ControlKind::ComboBox:
        if (code == CBN_DBLCLK) OnClick(*this);
        if (code == CBN_EDITCHANGE) OnChange(*this);
        if (code == CBN_DROPDOWN) DropDownComboList();
        if (code == CBN_SELCHANGE)
            PostMessageW(window_, WM_COMMAND, MAKEWPARAM(id_, kDeferredSelChange),
                         reinterpret_cast<LPARAM>(window_));
        if (code == kDeferredSelChange) {
            if (OnSelChange)
                OnSelChange(*this);
            else
                OnChange(*this);
        }
        break;
    case ControlKind::Form:
    case ControlKind::Custom:
        break;
    }
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

void Control::DropDownComboList() {
    int rows = std::clamp(ItemCount(), 1, kComboListRows);
    int closedHeight = bounds_.bottom - bounds_.top;
    SetWindowPos(window_, nullptr, 0, 0, bounds_.right - bounds_.left,
                 closedHeight * (rows + 1) + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

// ---- geometry

RECT Control::Bounds() const { return bounds_; }
int Control::Width() const { return bounds_.right - bounds_.left; }
int Control::Height() const { return bounds_.bottom - bounds_.top; }

int Control::ClientWidth() const {
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    return client.right;
}

int Control::ClientHeight() const {
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    return client.bottom;
}

Control& Control::SetBounds(int left, int top, int width, int height) {
    bounds_ = {left, top, left + width, top + height};
    if (window_)
        SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return *this;
}

Control& Control::MoveTo(int left, int top) {
    return SetBounds(left, top, Width(), Height());
}

Control& Control::Resize(int width, int height) {
    return SetBounds(bounds_.left, bounds_.top, width > 0 ? width : Width(),
                     height > 0 ? height : Height());
}

Control& Control::ResizeClient(int width, int height) {
    RECT outer{};
    RECT client{};
    if (window_) {
        GetWindowRect(window_, &outer);
        GetClientRect(window_, &client);
    }
    int extraWidth = (outer.right - outer.left) - client.right;
    int extraHeight = (outer.bottom - outer.top) - client.bottom;
    return Resize(width > 0 ? width + extraWidth : 0, height > 0 ? height + extraHeight : 0);
}

Control& Control::AutoSizeToText(bool on) {
    autoSize_ = on;
    if (on) FitToText();
    return *this;
}

Control& Control::LimitAutoWidth(int width) {
    autoWidthLimit_ = width;
    if (kind_ == ControlKind::Label) SetStyle(style_ | SS_ENDELLIPSIS);
    if (kind_ == ControlKind::CheckBox && window_) caption_ = WindowText(window_);
    if (autoSize_) FitToText();
    return *this;
}

void Control::FitToText() {
    if (!window_) return;
    bool cutCaption = kind_ == ControlKind::CheckBox && autoWidthLimit_ > 0;
    std::wstring text = cutCaption ? caption_ : WindowText(window_);
    SIZE size{0, 0};
    if (!text.empty()) {
        if (font_.Style() & kFontItalic) text += L' ';
        WindowDc dc(window_);
        SelectGuard font(dc.Get(), font_.Handle());
        RECT area{0, 0, 0, 0};
        DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &area,
                  DT_CALCRECT | DT_NOPREFIX);
        size = {area.right, area.bottom};
    }
    int limit = autoWidthLimit_ > 0 ? autoWidthLimit_ : INT_MAX;
    switch (kind_) {
    case ControlKind::Label:
        Resize(std::min<int>(size.cx + 1, limit), size.cy + 1);
        break;
    case ControlKind::CheckBox:
        Resize(std::min<int>(size.cx + kCheckBoxMark, limit), 0);
        if (cutCaption) ShowCaptionWithin(Width() - kCheckBoxMark);
        break;
    default:
        Resize(size.cx, size.cy);
        break;
    }
}

// A button draws no ellipsis of its own: the shown caption is cut to the longest start that
// fits with one.
void Control::ShowCaptionWithin(int width) {
    std::wstring shown = caption_;
    WindowDc dc(window_);
    SelectGuard font(dc.Get(), font_.Handle());
    auto fits = [&](const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx <= width;
    };
    if (!fits(shown)) {
        do shown.pop_back();
        while (!shown.empty() && !fits(shown + L'\u2026'));
        shown += L'\u2026';
    }
    SetWindowTextW(window_, shown.c_str());
}

Control& Control::CenterOnScreen() {
    int areaWidth = 0;
    int areaHeight = 0;
    if (parent_) {
        areaWidth = parent_->ClientWidth();
        areaHeight = parent_->ClientHeight();
    } else {
        areaWidth = GetSystemMetrics(SM_CXSCREEN);
        areaHeight = GetSystemMetrics(SM_CYSCREEN);
    }
    return MoveTo((areaWidth - Width()) / 2, (areaHeight - Height()) / 2);
}

Control& Control::LockSize() {
    lockedSize_ = {Width(), Height()};
    sizeLocked_ = true;
    return *this;
}

Control& Control::SetMargin(int margin) {
    margin_ = margin;
    return *this;
}

// ---- appearance

Control& Control::SetColor(std::uint32_t colour) {
    colour_ = colour;
    brush_.Reset();
    Invalidate();
    return *this;
}

Control& Control::SetTextAlign(TextAlign align) {
    static constexpr DWORD kStatic[] = {SS_LEFT, SS_RIGHT, SS_CENTER};
    static constexpr DWORD kButton[] = {BS_LEFT, BS_RIGHT, BS_CENTER};
    static constexpr DWORD kEdit[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    auto index = static_cast<std::size_t>(align);
    switch (kind_) {
    case ControlKind::Label:
        return SetStyle((style_ & ~DWORD{SS_TYPEMASK}) | kStatic[index]);
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
        return SetStyle((style_ & ~DWORD{BS_CENTER}) | kButton[index]);
    case ControlKind::EditBox:
        return SetStyle((style_ & ~DWORD{ES_CENTER | ES_RIGHT}) | kEdit[index]);
    default:
        return *this;
    }
}

Control& Control::SetStyle(DWORD style) {
    style_ = style;
    ApplyStyle();
    return *this;
}

Control& Control::SetHasBorder(bool hasBorder) {
    if (hasBorder) return *this;
    exStyle_ &= ~DWORD{WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME};
    return SetStyle(style_ & ~DWORD{WS_BORDER | WS_DLGFRAME | WS_THICKFRAME});
}

void Control::ApplyStyle() {
    if (!window_) return;
    // Visibility changes only through SetVisible: a hidden top-level window stays hidden.
    LONG_PTR visible = GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(style_ & ~WS_VISIBLE) | visible);
    SetWindowLongPtrW(window_, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle_));
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Control::Invalidate() {
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void Control::ApplyFont() {
    if (window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
}

void Control::FontChanged(Font&) {
    ApplyFont();
    if (autoSize_) FitToText();
    Invalidate();
}

// ---- state

std::string Control::Text() const {
    if (!window_) return {};
    if (kind_ == ControlKind::CheckBox && autoWidthLimit_ > 0) return WideToCp1251(caption_);
    return WideToCp1251(WindowText(window_));
}

Control& Control::SetText(std::string_view text) {
    if (!window_) return *this;
    SetWindowTextW(window_, Cp1251ToWide(text).c_str());
    if (kind_ == ControlKind::CheckBox && autoWidthLimit_ > 0) caption_ = Cp1251ToWide(text);
    if (autoSize_) FitToText();
    return *this;
}

Control& Control::SetEnabled(bool enabled) {
    style_ = enabled ? style_ & ~DWORD{WS_DISABLED} : style_ | WS_DISABLED;
    if (window_) EnableWindow(window_, enabled);
    return *this;
}

bool Control::IsEnabled() const {
    if (window_) return IsWindowEnabled(window_);
    return !(style_ & WS_DISABLED);
}

Control& Control::SetVisible(bool visible) {
    style_ = visible ? style_ | WS_VISIBLE : style_ & ~DWORD{WS_VISIBLE};
    if (window_) ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
    return *this;
}

bool Control::IsVisible() const {
    if (window_) return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
    return (style_ & WS_VISIBLE) != 0;
}

Control& Control::SetChecked(bool checked) {
    if (window_) SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return *this;
}

bool Control::IsChecked() const {
    return window_ && SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Control::Click() {
    if (!window_) return;
    if (IsButtonClass(kind_)) {
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED),
                     reinterpret_cast<LPARAM>(window_));
        return;
    }
    SendMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
    SendMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
}

// ---- combo box

int Control::AddItem(std::string_view text) {
    if (!window_) return -1;
    std::wstring wide = Cp1251ToWide(text);
    return static_cast<int>(
        SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

std::string Control::ItemText(int index) const {
    if (!window_) return {};
    LRESULT length = SendMessageW(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(text.data()));
    if (copied <= 0) return {};
    text.resize(static_cast<std::size_t>(copied));
    return WideToCp1251(text);
}

int Control::ItemCount() const {
    if (!window_) return 0;
    return std::max(0, static_cast<int>(SendMessageW(window_, CB_GETCOUNT, 0, 0)));
}

int Control::ItemIndex() const {
    if (!window_) return -1;
    return static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
}

void Control::SetItemIndex(int index) {
    if (window_) SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// ---- services for custom controls

void Control::AddMessageFilter(MessageFilter filter) {
    if (std::find(filters_.begin(), filters_.end(), filter) == filters_.end())
        filters_.push_back(filter);
}

void Control::SetScrollBar(int bar, const ScrollRange& state) {
    if (!window_) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = state.Min;
    info.nMax = state.Max;
    info.nPage = static_cast<UINT>(std::max(state.Page, 0));
    info.nPos = state.Position;
    SetScrollInfo(window_, bar, &info, TRUE);
}

void Control::CaptureMouse() {
    if (window_) SetCapture(window_);
}

void Control::ReleaseMouse() {
    if (window_ && GetCapture() == window_) ReleaseCapture();
}

void Control::Focus() {
    if (window_) SetFocus(window_);
}

bool Control::HasFocus() const { return window_ && GetFocus() == window_; }

Control* Control::FocusedControl() { return FromHandle(GetFocus()); }

void Control::SetParentWindow(Control& host) {
    if (window_ && host.window_) SetParent(window_, host.window_);
}
