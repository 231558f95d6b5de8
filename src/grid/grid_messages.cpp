#include <windowsx.h>

#include "grid/xl_grid.h"
#include "toolkit/gdi_handles.h"

namespace {

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

}  // namespace

// Every message except a handled WM_PAINT goes on to the toolkit's default processing.
bool XLGrid::HandleMessage(Control&, const Message& message, LRESULT& result) {
    const DevicePoint point{DevicePx(GET_X_LPARAM(message.LParam)), DevicePx(GET_Y_LPARAM(message.LParam))};
    switch (message.Id) {
    case WM_PAINT:
        if (updateCount_ > 0) return false;
        if (message.WParam) {
            PaintGrid(reinterpret_cast<HDC>(message.WParam));
        } else {
            PaintDc paint(message.Window);
            PaintGrid(paint.Get());
        }
        result = 0;
        return true;
    case WM_KEYDOWN:
        KeyDown(static_cast<int>(message.WParam));
        return false;
    case WM_SETFOCUS:
        accessibility_.FocusTaken();
        return false;
    case WM_GETOBJECT:
        return accessibility_.Answer(message, result);
    case WM_HSCROLL:
    case WM_VSCROLL:
        Scroll(message.Id == WM_VSCROLL ? Axis::Rows : Axis::Cols,
               static_cast<ScrollRequest>(LOWORD(message.WParam)), HIWORD(message.WParam));
        return false;
    case WM_MOUSEMOVE:
        MouseMove(point);
        return false;
    case WM_LBUTTONDOWN:
        if (ColCount() == 0 || RowCount() == 0) return false;
        // Taking the focus from an open editor stores its text.
        control_.Focus();
        control_.CaptureMouse();
        MouseDown(point, (message.WParam & MK_CONTROL) != 0);
        return false;
    case WM_LBUTTONUP:
        MouseUp();
        control_.ReleaseMouse();
        return false;
    case WM_LBUTTONDBLCLK:
        if (HitsCurCell(point)) BeginEdit();
        return false;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(message.WParam), (GET_KEYSTATE_WPARAM(message.WParam) & MK_CONTROL) != 0);
        return false;
    default:
        return false;
    }
}

void XLGrid::KeyDown(int key) {
    const bool ctrl = KeyHeld(VK_CONTROL);
    const bool shift = KeyHeld(VK_SHIFT);
    switch (key) {
    case VK_LEFT: NavigateKey(NavKey::Left, ctrl, shift); break;
    case VK_RIGHT: NavigateKey(NavKey::Right, ctrl, shift); break;
    case VK_UP: NavigateKey(NavKey::Up, ctrl, shift); break;
    case VK_DOWN: NavigateKey(NavKey::Down, ctrl, shift); break;
    case VK_PRIOR: NavigateKey(NavKey::PageUp, ctrl, shift); break;
    case VK_NEXT: NavigateKey(NavKey::PageDown, ctrl, shift); break;
    case VK_HOME: NavigateKey(NavKey::Home, ctrl, shift); break;
    case VK_END: NavigateKey(NavKey::End, ctrl, shift); break;
    case VK_RETURN:
    case VK_F2:
        if (!ctrl) BeginEdit();
        break;
    default: break;
    }
}
