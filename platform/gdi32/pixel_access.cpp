// Single pixels: what a window shows, or a memory bitmap's colour.
#include "platform/gdi32/colour_translation.h"
#include "platform/gdi32/draw_target.h"

using namespace platform::gdi;

namespace {

COLORREF ColourOfIndex(const Bitmap& bitmap, BYTE index) {
    if (index >= bitmap.colourCount) return RGB(0, 0, 0);
    const RGBQUAD& quad = bitmap.colours[index];
    return RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
}

// The target, when (x, y) is a drawable pixel of the DC.
bool PixelTarget(HDC dcHandle, int x, int y, DeviceContext** dc, DrawTarget* target) {
    *dc = AsDC(dcHandle);
    return *dc && target->Resolve(**dc) && Contains(target->Clip(), x, y);
}

} // namespace

COLORREF WINAPI GetPixel(HDC dcHandle, int x, int y) {
    DeviceContext* dc;
    DrawTarget target;
    if (!PixelTarget(dcHandle, x, y, &dc, &target)) return CLR_INVALID;
    if (target.ForWindow()) return ShownColour(target.WindowPixel(x, y));
    return ColourOfIndex(*target.TargetBitmap(), target.BitmapRow(y)[x]);
}

COLORREF WINAPI SetPixel(HDC dcHandle, int x, int y, COLORREF colour) {
    DeviceContext* dc;
    DrawTarget target;
    if (!PixelTarget(dcHandle, x, y, &dc, &target)) return CLR_INVALID;
    if (target.ForWindow()) {
        uint32_t value = WindowValueOf(*dc, colour);
        target.WindowPixel(x, y) = value;
        target.Changed(RECT{x, y, x + 1, y + 1});
        return ShownColour(value);
    }
    Bitmap& bitmap = *target.TargetBitmap();
    BYTE index = IndexValueOf(bitmap, colour);
    target.BitmapRow(y)[x] = index;
    return ColourOfIndex(bitmap, index);
}
