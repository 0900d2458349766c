#include "platform/user32/input/mouse_routing.h"

#include "platform/user32/input/cursor_state.h"
#include "platform/user32/input/keyboard_state.h"
#include "platform/user32/message/queue.h"
#include "platform/user32/window/manager.h"

namespace platform {
namespace {

WPARAM MouseKeyFlags() {
    WPARAM flags = 0;
    if (IsKeyDown(VK_LBUTTON)) flags |= MK_LBUTTON;
    if (IsKeyDown(VK_RBUTTON)) flags |= MK_RBUTTON;
    if (IsKeyDown(VK_MBUTTON)) flags |= MK_MBUTTON;
    if (IsKeyDown(VK_SHIFT)) flags |= MK_SHIFT;
    if (IsKeyDown(VK_CONTROL)) flags |= MK_CONTROL;
    return flags;
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// The window under the cursor after it has been told so; null over the desktop or when
// the window went away meanwhile.
HWND PointedWindow(UINT message) {
    HWND window = WindowFromPoint(CursorPosition());
    if (window == GetDesktopWindow()) return nullptr;
    if (IsButtonDown(message) && GetActiveWindow() != TopLevelOf(window)) {
        SetActiveWindow(window);
    }
    if (IsWindow(window)) {
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELONG(HTCLIENT, message));
    }
    return IsWindow(window) ? window : nullptr;
}

} // namespace

void RouteMouseMessage(UINT message) {
    HWND target = CaptureWindow();
    if (!target) target = PointedWindow(message);
    if (!target) return;
    POINT client = CursorPosition();
    ScreenToClient(target, &client);
    AppendMessage(target, message, MouseKeyFlags(),
                  MAKELONG(static_cast<WORD>(client.x), static_cast<WORD>(client.y)));
}

void NotifyWindowUnderCursor(HWND window) {
    RECT area;
    if (CaptureWindow() || !ClientRectOnScreen(window, &area)) return;
    POINT cursor = CursorPosition();
    if (cursor.x >= area.left && cursor.x < area.right && cursor.y >= area.top &&
        cursor.y < area.bottom) {
        RouteMouseMessage(WM_MOUSEMOVE);
    }
}

} // namespace platform
