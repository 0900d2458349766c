// Rectangle helpers (right and bottom exclusive).
#include <algorithm>

#include "platform/win32.h"

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT destination, const RECT* source) {
    if (!destination || !source) return FALSE;
    *destination = *source;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    return SetRect(rect, rect->left - dx, rect->top - dy, rect->right + dx, rect->bottom + dy);
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    return SetRect(rect, rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy);
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right &&
           a->bottom == b->bottom;
}

BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

// An empty result is all zeros, as on Windows.
BOOL WINAPI IntersectRect(LPRECT destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b) return FALSE;
    RECT result{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                std::min(a->bottom, b->bottom)};
    *destination = IsRectEmpty(&result) ? RECT{} : result;
    return !IsRectEmpty(destination);
}

BOOL WINAPI UnionRect(LPRECT destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b) return FALSE;
    if (IsRectEmpty(a) && IsRectEmpty(b)) {
        SetRectEmpty(destination);
        return FALSE;
    }
    if (IsRectEmpty(a)) return CopyRect(destination, b);
    if (IsRectEmpty(b)) return CopyRect(destination, a);
    *destination = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                        std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    return TRUE;
}
