// ShowWindow, MoveWindow and SetWindowPos. A change reaches the window as WM_SHOWWINDOW,
// WM_SIZE and WM_MOVE (sent directly, not through WM_WINDOWPOSCHANGED), and the display
// hears of every change to a top-level window.
#include <algorithm>

#include "platform/drivers/display/backend.h"
#include "platform/user32/input/mouse_routing.h"
#include "platform/user32/window/activation.h"
#include "platform/user32/window/lifecycle.h"
#include "platform/user32/window/paint.h"
#include "platform/user32/window/table.h"

namespace platform {
namespace {

bool Activates(int command) {
    return command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_SHOWMINNOACTIVE &&
           command != SW_MINIMIZE;
}

LPARAM PackPoint(LONG x, LONG y) {
    return MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y));
}

// A child leaving a place shows its parent there again.
void ExposeParent(const Window& window) {
    if (window.IsChild() && window.IsVisible()) InvalidateRect(window.parent, &window.rect, TRUE);
}

void ApplyGeometry(HWND handle, const RECT& rect, bool redraw) {
    Window* window = FindWindowRecord(handle);
    if (!window) return;
    RECT old = window->rect;
    bool moved = old.left != rect.left || old.top != rect.top;
    bool resized =
        window->Width() != rect.right - rect.left || window->Height() != rect.bottom - rect.top;
    if (!moved && !resized) return;
    if (redraw) ExposeParent(*window);
    window->rect = rect;
    // A top-level window takes its picture along; a child is drawn afresh where it lands.
    if (redraw && (resized || window->IsChild())) InvalidateTree(handle);
    if (!window->IsChild()) Display().TopLevelChanged(handle);
    if (resized) {
        SendMessageA(handle, WM_SIZE, SIZE_RESTORED,
                     PackPoint(rect.right - rect.left, rect.bottom - rect.top));
    }
    if (moved) SendMessageA(handle, WM_MOVE, 0, PackPoint(rect.left, rect.top));
}

void Reorder(Window& window, HWND insertAfter) {
    if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        if (!window.IsChild() && insertAfter == HWND_TOPMOST) window.exStyle |= WS_EX_TOPMOST;
        if (insertAfter == HWND_NOTOPMOST) window.exStyle &= ~WS_EX_TOPMOST;
        RaiseWindow(window);
    } else if (insertAfter == HWND_TOP) {
        RaiseWindow(window);
    } else if (insertAfter == HWND_BOTTOM) {
        window.exStyle &= ~WS_EX_TOPMOST;
        LowerWindow(window);
    } else {
        PlaceWindowAfter(window, insertAfter);
    }
}

} // namespace

void RevealWindow(HWND handle, bool notify) {
    if (notify) SendMessageA(handle, WM_SHOWWINDOW, TRUE, 0);
    Window* window = FindWindowRecord(handle);
    if (!window || window->IsVisible()) return;
    window->style |= WS_VISIBLE;
    InvalidateTree(handle);
    if (!window->IsChild()) Display().TopLevelChanged(handle);
    NotifyWindowUnderCursor(handle);
}

void ConcealWindow(HWND handle, bool notify) {
    if (notify) SendMessageA(handle, WM_SHOWWINDOW, FALSE, 0);
    Window* window = FindWindowRecord(handle);
    if (!window || !window->IsVisible()) return;
    ExposeParent(*window);
    window->style &= ~WS_VISIBLE;
    bool topLevel = !window->IsChild();
    ReleaseActivation(handle);
    if (topLevel && IsWindow(handle)) Display().TopLevelChanged(handle);
}

} // namespace platform

using namespace platform;

BOOL WINAPI ShowWindow(HWND window, int command) {
    const Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    bool wasVisible = record->IsVisible();
    bool child = record->IsChild();
    if (command == SW_HIDE) {
        if (wasVisible) ConcealWindow(window, true);
        return wasVisible;
    }
    if (!wasVisible) RevealWindow(window, true);
    if (!child && Activates(command) && IsWindowVisible(window)) SetActiveWindow(window);
    return wasVisible;
}

BOOL WINAPI MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    if (!IsWindow(window)) return FALSE;
    ApplyGeometry(window, RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)},
                  repaint != FALSE);
    return TRUE;
}

BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    RECT rect = record->rect;
    if (!(flags & SWP_NOMOVE)) rect = RECT{x, y, x + record->Width(), y + record->Height()};
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(cx, 0);
        rect.bottom = rect.top + std::max(cy, 0);
    }
    if (!(flags & SWP_NOZORDER)) Reorder(*record, insertAfter);
    bool child = record->IsChild();
    ApplyGeometry(window, rect, !(flags & SWP_NOREDRAW));
    if (flags & SWP_SHOWWINDOW) RevealWindow(window, false);
    if (flags & SWP_HIDEWINDOW) ConcealWindow(window, false);
    if (!child && !(flags & SWP_NOACTIVATE) && IsWindowVisible(window)) {
        SetActiveWindow(window);
    }
    return TRUE;
}
