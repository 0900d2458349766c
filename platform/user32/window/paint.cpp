// Each window keeps the bounding box of its invalid area. A hidden window keeps what it was
// given but gets no WM_PAINT until it is shown.
#include "platform/user32/window/paint.h"

#include <algorithm>

#include "platform/user32/message/queue.h"
#include "platform/user32/window/manager.h"
#include "platform/user32/window/table.h"

namespace platform {
namespace {

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

RECT Intersection(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

bool Covers(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// What is left of a box after a rectangle is validated, as a box: exact when the rectangle
// takes a whole band off one side, otherwise the box stays (repainting more is harmless).
RECT Subtract(RECT box, const RECT& cut) {
    if (Covers(cut, box)) return RECT{};
    bool spansWidth = cut.left <= box.left && cut.right >= box.right;
    bool spansHeight = cut.top <= box.top && cut.bottom >= box.bottom;
    if (spansWidth && cut.top <= box.top) box.top = std::max(box.top, cut.bottom);
    if (spansWidth && cut.bottom >= box.bottom) box.bottom = std::min(box.bottom, cut.top);
    if (spansHeight && cut.left <= box.left) box.left = std::max(box.left, cut.right);
    if (spansHeight && cut.right >= box.right) box.right = std::min(box.right, cut.left);
    return IsEmpty(box) ? RECT{} : box;
}

RECT ClientArea(const Window& window) {
    return RECT{0, 0, window.Width(), window.Height()};
}

// Without WS_CLIPCHILDREN a window's painting covers its children, so the part of them that
// the area overlaps is invalid too, as on Windows.
void Invalidate(Window& window, const RECT* rect, bool erase) {
    RECT area = rect ? Intersection(*rect, ClientArea(window)) : ClientArea(window);
    if (IsEmpty(area)) return;
    window.update = Union(window.update, area);
    window.eraseBackground = window.eraseBackground || erase;
    if (window.style & WS_CLIPCHILDREN) return;
    for (HWND handle : window.children) {
        Window* child = FindWindowRecord(handle);
        if (!child || !child->IsVisible()) continue;
        RECT inChild{area.left - child->rect.left, area.top - child->rect.top,
                     area.right - child->rect.left, area.bottom - child->rect.top};
        Invalidate(*child, &inChild, erase);
    }
}

HWND FindInvalid(const std::vector<HWND>& windows, const MessageFilter& filter) {
    for (HWND handle : windows) {
        const Window* window = FindWindowRecord(handle);
        if (!window || !window->IsVisible()) continue;
        if (window->NeedsPaint() && filter.MatchesWindow(handle)) return handle;
        if (HWND child = FindInvalid(window->children, filter)) return child;
    }
    return nullptr;
}

} // namespace

bool TakePaintMessage(const MessageFilter& filter, MSG* out) {
    if (!filter.MatchesMessage(WM_PAINT)) return false;
    HWND window = FindInvalid(TopLevelOrder(), filter);
    if (!window) return false;
    *out = MakeMessage(window, WM_PAINT, 0, 0);
    return true;
}

void InvalidateTree(HWND handle) {
    Window* window = FindWindowRecord(handle);
    if (!window) return;
    Invalidate(*window, nullptr, true);
    for (HWND child : window->children)
        InvalidateTree(child);
}

} // namespace platform

using namespace platform;

BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (!window) {
        for (HWND top : TopLevelWindows())
            InvalidateTree(top);
        return TRUE;
    }
    Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    Invalidate(*record, rect, erase != FALSE);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND window, const RECT* rect) {
    Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    record->update = rect ? Subtract(record->update, *rect) : RECT{};
    if (!record->NeedsPaint()) record->eraseBackground = false;
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND window, LPRECT rect, BOOL) {
    const Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    if (rect) *rect = record->update;
    return record->NeedsPaint() ? TRUE : FALSE;
}

BOOL WINAPI UpdateWindow(HWND window) {
    const Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    if (record->NeedsPaint() && IsShownOnScreen(window)) SendMessageA(window, WM_PAINT, 0, 0);
    return TRUE;
}

HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    Window* record = FindWindowRecord(window);
    if (!record || !paint) return nullptr;
    *paint = PAINTSTRUCT{};
    paint->rcPaint = record->update;
    bool erase = record->eraseBackground;
    record->update = RECT{};
    record->eraseBackground = false;
    paint->hdc = GetDC(window);
    if (erase && paint->hdc) {
        LRESULT erased =
            SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0);
        paint->fErase = erased ? FALSE : TRUE;
    }
    return paint->hdc;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    if (paint->hdc) ReleaseDC(window, paint->hdc);
    return TRUE;
}
