// DrawEdge, FrameRect and DrawFocusRect: the classic 3-D frames, drawn as one-pixel bands.
#include "platform/win32.h"

namespace {

// The colours of the outer and inner ring for each side pair, as the classic look has them:
// raised is light at the top left and dark at the bottom right, sunken the other way round.
struct Ring {
    int topLeft;
    int bottomRight;
};

Ring OuterRing(UINT edge, bool soft) {
    if (edge & BDR_RAISEDOUTER)
        return {soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    return {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
}

Ring InnerRing(UINT edge, bool soft) {
    if (edge & BDR_RAISEDINNER) return {soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    return {COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void Band(HDC dc, LONG left, LONG top, LONG right, LONG bottom, int colour) {
    RECT band{left, top, right, bottom};
    FillRect(dc, &band, GetSysColorBrush(colour));
}

// One ring on the chosen sides; the rectangle shrinks by one pixel on each of them.
void DrawRing(HDC dc, RECT* rect, const Ring& ring, UINT sides) {
    RECT& r = *rect;
    if (sides & BF_TOP) Band(dc, r.left, r.top, r.right, r.top + 1, ring.topLeft);
    if (sides & BF_LEFT) Band(dc, r.left, r.top, r.left + 1, r.bottom, ring.topLeft);
    if (sides & BF_BOTTOM) Band(dc, r.left, r.bottom - 1, r.right, r.bottom, ring.bottomRight);
    if (sides & BF_RIGHT) Band(dc, r.right - 1, r.top, r.right, r.bottom, ring.bottomRight);
    if (sides & BF_TOP) ++r.top;
    if (sides & BF_LEFT) ++r.left;
    if (sides & BF_BOTTOM) --r.bottom;
    if (sides & BF_RIGHT) --r.right;
}

} // namespace

BOOL WINAPI DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags) {
    if (!dc || !rect) return FALSE;
    RECT inside = *rect;
    bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_OUTER) DrawRing(dc, &inside, OuterRing(edge, soft), flags);
    if (edge & BDR_INNER) DrawRing(dc, &inside, InnerRing(edge, soft), flags);
    if (flags & BF_MIDDLE) FillRect(dc, &inside, GetSysColorBrush(COLOR_BTNFACE));
    if (flags & BF_ADJUST) *rect = inside;
    return TRUE;
}

int WINAPI FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    if (!dc || !rect || IsRectEmpty(rect)) return 0;
    const RECT& r = *rect;
    const RECT sides[] = {{r.left, r.top, r.right, r.top + 1},
                          {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top, r.left + 1, r.bottom},
                          {r.right - 1, r.top, r.right, r.bottom}};
    for (const RECT& side : sides)
        FillRect(dc, &side, brush);
    return 1;
}

// The dotted rectangle of the focus: every other pixel inverted.
BOOL WINAPI DrawFocusRect(HDC dc, const RECT* rect) {
    if (!dc || !rect) return FALSE;
    auto invert = [dc](LONG x, LONG y) {
        COLORREF shown = GetPixel(dc, x, y);
        if (shown != CLR_INVALID) SetPixel(dc, x, y, shown ^ 0x00FFFFFF);
    };
    for (LONG x = rect->left; x < rect->right; x += 2) {
        invert(x, rect->top);
        invert(x, rect->bottom - 1);
    }
    for (LONG y = rect->top + 2; y < rect->bottom - 1; y += 2) {
        invert(rect->left, y);
        invert(rect->right - 1, y);
    }
    return TRUE;
}
