#include "platform/gdi32/draw_target.h"

#include <algorithm>
#include <limits>

#include "platform/drivers/display/backend.h"
#include "platform/user32/window/manager.h"

namespace platform::gdi {
namespace {

LONG Clamped(int64_t value) {
    return static_cast<LONG>(std::clamp<int64_t>(value, std::numeric_limits<LONG>::min(),
                                                 std::numeric_limits<LONG>::max()));
}

RECT Offset(const RECT& rect, LONG dx, LONG dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

// The window's client area cut by every ancestor's, in screen coordinates.
RECT VisibleClientOnScreen(HWND window, HWND topLevel) {
    RECT visible{};
    if (!ClientRectOnScreen(window, &visible)) return RECT{};
    for (HWND w = window; w && w != topLevel;) {
        w = GetParent(w);
        RECT parent;
        if (!w || !ClientRectOnScreen(w, &parent)) return RECT{};
        visible = Intersection(visible, parent);
    }
    return visible;
}

} // namespace

RECT RectOf(int64_t x, int64_t y, int64_t width, int64_t height) {
    return RECT{Clamped(x), Clamped(y), Clamped(x + width), Clamped(y + height)};
}

RECT Intersection(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

bool Contains(const RECT& rect, LONG x, LONG y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

bool DrawTarget::Resolve(const DeviceContext& dc) {
    switch (dc.dcKind) {
    case DcKind::Memory:
        bitmap = dc.bitmap;
        clip = RECT{0, 0, bitmap->width, bitmap->height};
        return true;
    case DcKind::Window:
        return ResolveWindow(dc.window);
    default:
        return false;
    }
}

bool DrawTarget::ResolveWindow(HWND window) {
    topLevel = TopLevelOf(window);
    RECT topClient, client;
    if (!topLevel || !ClientRectOnScreen(topLevel, &topClient) ||
        !ClientRectOnScreen(window, &client)) {
        return false;
    }
    frame = Display().FramebufferFor(topLevel);
    if (!frame) return false;
    origin = POINT{client.left - topClient.left, client.top - topClient.top};
    RECT frameArea = Offset(RECT{0, 0, frame->Width(), frame->Height()}, -origin.x, -origin.y);
    clip = IsShownOnScreen(window) ? Intersection(Offset(VisibleClientOnScreen(window, topLevel),
                                                         -client.left, -client.top),
                                                  frameArea)
                                   : RECT{};
    return true;
}

void DrawTarget::Changed(const RECT& area) const {
    if (frame && !IsEmpty(area)) Display().Present(topLevel, Offset(area, origin.x, origin.y));
}

} // namespace platform::gdi
