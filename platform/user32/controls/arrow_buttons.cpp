#include "platform/user32/controls/arrow_buttons.h"

#include <algorithm>

namespace platform {
namespace {

void Line(HDC dc, LONG x, LONG y, LONG width, LONG height, int colour) {
    RECT rect{x, y, x + width, y + height};
    FillRect(dc, &rect, GetSysColorBrush(colour));
}

// A triangle pointing the given way, centred in the rectangle, its base `size` * 2 - 1 long:
// four rows on a 16-pixel scroll arrow, three on the half of an up-down control.
void DrawGlyph(HDC dc, const RECT& rect, ArrowDirection direction, int colour) {
    LONG side = std::min(rect.right - rect.left, rect.bottom - rect.top);
    LONG size = std::max<LONG>(side / 4, std::min<LONG>(3, side / 3));
    LONG cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    for (LONG i = 0; i < size; ++i) {
        LONG spread = size - 1 - i; // half width of the row, apex row 0
        switch (direction) {
        case ArrowDirection::Up:
            Line(dc, cx - i, cy - size / 2 + i, 2 * i + 1, 1, colour);
            break;
        case ArrowDirection::Down:
            Line(dc, cx - spread, cy - size / 2 + i, 2 * spread + 1, 1, colour);
            break;
        case ArrowDirection::Left:
            Line(dc, cx - size / 2 + i, cy - i, 1, 2 * i + 1, colour);
            break;
        case ArrowDirection::Right:
            Line(dc, cx - size / 2 + i, cy - spread, 1, 2 * spread + 1, colour);
            break;
        }
    }
}

} // namespace

void DrawArrowButton(HDC dc, RECT rect, ArrowDirection direction, bool pressed, bool enabled) {
    if (pressed) {
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
        RECT inside = rect;
        InflateRect(&inside, -1, -1);
        FillRect(dc, &inside, GetSysColorBrush(COLOR_BTNFACE));
        OffsetRect(&rect, 1, 1);
    } else {
        DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    }
    if (enabled) {
        DrawGlyph(dc, rect, direction, COLOR_BTNTEXT);
        return;
    }
    RECT shifted = rect;
    OffsetRect(&shifted, 1, 1);
    DrawGlyph(dc, shifted, direction, COLOR_BTNHIGHLIGHT);
    DrawGlyph(dc, rect, direction, COLOR_BTNSHADOW);
}

void DrawDither(HDC dc, const RECT& rect) {
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), face = GetSysColor(COLOR_BTNFACE);
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x)
            SetPixel(dc, x, y, ((x + y) & 1) ? face : light);
    }
}

} // namespace platform
