// The preview copy: the whole desktop-sized stage scaled onto the target's client area, rows
// and columns dropped rather than blended so the 8-bit colours stay exact.
#include "app/SaverScene.h"

void PaintPreview(HWND window) {
    const SaverScene& scene = saverScene;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc) return;
    HPALETTE previous = nullptr;
    if (scene.paletteMode && scene.stagePalette) {
        previous = SelectPalette(dc, scene.stagePalette, FALSE);
        RealizePalette(dc);
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    if (scene.previewBits && scene.previewHeader)
        StretchDIBits(dc, 0, 0, scene.clientWidth, scene.clientHeight, 0, 0,
                      scene.previewSourceWidth, scene.previewSourceHeight, scene.previewBits,
                      scene.previewHeader, DIB_RGB_COLORS, SRCCOPY);
    if (previous) SelectPalette(dc, previous, FALSE);
    EndPaint(window, &paint);
}
