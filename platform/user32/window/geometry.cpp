// Where windows are: client and window rectangles, coordinate conversion, hit testing and
// the geometry queries of the display side. Windows have no non-client frame here, so the
// client area fills the window rectangle.
#include <algorithm>

#include "platform/user32/window/manager.h"
#include "platform/user32/window/table.h"

namespace platform {
namespace {

POINT ClientOrigin(const Window& window) {
    POINT origin{window.rect.left, window.rect.top};
    for (Window* parent = FindWindowRecord(window.parent); parent;
         parent = FindWindowRecord(parent->parent)) {
        origin.x += parent->rect.left;
        origin.y += parent->rect.top;
    }
    return origin;
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

bool CanBeHit(const Window& window) {
    return window.IsVisible() && !(window.style & WS_DISABLED);
}

// A child that answers WM_NCHITTEST with HTTRANSPARENT (a group box, a label) lets the
// point through to the windows under it.
bool IsTransparentAt(HWND child, POINT screen) {
    return SendMessageA(child, WM_NCHITTEST, 0,
                        MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y))) ==
           HTTRANSPARENT;
}

// The deepest enabled, visible child under a point given in the window's client coordinates.
HWND DeepestChildAt(const Window& window, POINT point, POINT screen) {
    std::vector<HWND> children = window.children; // hit testing may change the list
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        const Window* record = FindWindowRecord(*child);
        if (!record || !CanBeHit(*record) || !Contains(record->rect, point)) continue;
        if (IsTransparentAt(*child, screen)) continue;
        record = FindWindowRecord(*child);
        if (!record) continue;
        return DeepestChildAt(
            *record, POINT{point.x - record->rect.left, point.y - record->rect.top}, screen);
    }
    return window.handle;
}

} // namespace

bool ClientRectOnScreen(HWND window, RECT* out) {
    const Window* record = FindWindowRecord(window);
    if (!record || !out) return false;
    POINT origin = ClientOrigin(*record);
    *out = RECT{origin.x, origin.y, origin.x + record->Width(), origin.y + record->Height()};
    return true;
}

HWND TopLevelOf(HWND window) {
    const Window* record = FindWindowRecord(window);
    while (record && record->IsChild()) {
        const Window* parent = FindWindowRecord(record->parent);
        if (!parent) break;
        record = parent;
    }
    return record ? record->handle : nullptr;
}

bool IsShownOnScreen(HWND window) {
    const Window* record = FindWindowRecord(window);
    if (!record) return false;
    for (; record; record = FindWindowRecord(record->parent)) {
        if (!record->IsVisible()) return false;
    }
    return true;
}

bool IsFullScreen(HWND window) {
    const Window* record = FindWindowRecord(window);
    if (!record || record->IsChild() || !(record->style & WS_POPUP)) return false;
    const RECT& desktop = DesktopWindow().rect;
    return record->rect.left <= desktop.left && record->rect.top <= desktop.top &&
           record->rect.right >= desktop.right && record->rect.bottom >= desktop.bottom;
}

std::vector<HWND> TopLevelWindows() {
    return TopLevelOrder();
}

} // namespace platform

using namespace platform;

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
    const Window* record = FindWindowRecord(window);
    if (!record || !rect) return FALSE;
    *rect = RECT{0, 0, record->Width(), record->Height()};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND window, LPRECT rect) {
    return ClientRectOnScreen(window, rect) ? TRUE : FALSE;
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
    const Window* record = FindWindowRecord(window);
    if (!record || !point) return FALSE;
    POINT origin = ClientOrigin(*record);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND window, LPPOINT point) {
    const Window* record = FindWindowRecord(window);
    if (!record || !point) return FALSE;
    POINT origin = ClientOrigin(*record);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

HWND WINAPI WindowFromPoint(POINT point) {
    const auto& order = TopLevelOrder();
    for (auto top = order.rbegin(); top != order.rend(); ++top) {
        const Window* record = FindWindowRecord(*top);
        if (!record || !CanBeHit(*record) || !Contains(record->rect, point)) continue;
        return DeepestChildAt(
            *record, POINT{point.x - record->rect.left, point.y - record->rect.top}, point);
    }
    return DesktopWindow().handle;
}
