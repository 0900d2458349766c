// Where a device context's drawing lands, in the DC's own coordinates: a rectangle of a
// top-level window's framebuffer (clipped to the window and its parents' client areas) or
// the bitmap selected into a memory DC.
#pragma once
#include "platform/drivers/display/framebuffer.h"
#include "platform/gdi32/objects.h"

namespace platform::gdi {

class DrawTarget {
public:
    // False when the DC has nowhere to draw (the screen, a window that is gone).
    bool Resolve(const DeviceContext& dc);

    const RECT& Clip() const { return clip; }
    bool ForWindow() const { return frame != nullptr; }
    Bitmap* TargetBitmap() const { return bitmap; }
    uint32_t* WindowRow(LONG y) const { return frame->Row(y + origin.y) + origin.x; }
    BYTE* BitmapRow(LONG y) const { return bitmap->Row(y); }
    uint32_t& WindowPixel(LONG x, LONG y) const { return WindowRow(y)[x]; }

    // Tells the display what changed on a window.
    void Changed(const RECT& area) const;

private:
    bool ResolveWindow(HWND window);

    RECT clip{};
    HWND topLevel = nullptr;
    Framebuffer* frame = nullptr;
    POINT origin{};
    Bitmap* bitmap = nullptr;
};

// Rectangle helpers (right and bottom exclusive; empty when right <= left or bottom <= top).
RECT RectOf(int64_t x, int64_t y, int64_t width, int64_t height);
RECT Intersection(const RECT& a, const RECT& b);
bool IsEmpty(const RECT& rect);
bool Contains(const RECT& rect, LONG x, LONG y);

} // namespace platform::gdi
