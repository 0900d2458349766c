// The stage's colours: the first palette built around the display's static colours, later
// changes animated in place inside the range the stage may change.
#include "engine/core/mDirector.h"

#include <algorithm>
#include <cstdint>

namespace {

bool SameColour(const RGBQUAD& a, const RGBQUAD& b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

} // namespace

void mDirector::SetPalette(const RGBQUAD* colours, int first, int count) {
    if (!colours || !info->colours || first < 0 || count < 1) return;
    const int n = 1 << info->bitsPerPixel;
    if (first >= n) return;
    const int last = int(std::min<int64_t>(int64_t(first) + count - 1, n - 1));

    if (!palette) {
        CreateStagePalette(colours, first, last);
        return;
    }
    if (std::equal(colours, colours + (last - first + 1), info->colours + first, SameColour))
        return;

    HDC dc = GetDC(window);
    const int half = StaticHalf(dc, n);
    const int from = std::max(first, half);
    const int to = std::min(last, n - half - 1);
    if (from <= to) {
        SetColours(colours + (from - first), from, to - from + 1);
        NotifyPaletteChanged();
        AnimateRange(dc, from, to);
    }
    ReleaseDC(window, dc);
}

void mDirector::CreateStagePalette(const RGBQUAD* colours, int first, int last) {
    SetColours(colours, first, last - first + 1);
    palette = MakeIdentityPalette(FALSE);
    if (palette) {
        HDC dc = GetDC(window);
        oldPalette = SelectPalette(dc, palette, FALSE);
        RealizePalette(dc);
        ReleaseDC(window, dc);
    }
    NotifyPaletteChanged();
}

// On a palette device the lowest and highest half of the reserved colours are the system's.
int mDirector::StaticHalf(HDC dc, int n) const {
    if (!(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)) return 0;
    const int reserved = std::clamp(GetDeviceCaps(dc, NUMCOLORS), 0, n);
    return reserved / 2;
}

void mDirector::AnimateRange(HDC dc, int from, int to) {
    PALETTEENTRY entries[256];
    const int count = to - from + 1;
    for (int i = 0; i < count; ++i) {
        const RGBQUAD& c = info->colours[from + i];
        entries[i] = {c.rgbRed, c.rgbGreen, c.rgbBlue, PC_RESERVED};
    }
    SelectPalette(dc, palette, FALSE);
    AnimatePalette(palette, UINT(from), UINT(count), entries);
}

void mDirector::NotifyPaletteChanged() {
    if (!renderers) return;
    mRenderer* renderer = renderers;
    do {
        renderer->OnPaletteChanged();
        renderer = renderer->next;
    } while (renderer != renderers);
}
