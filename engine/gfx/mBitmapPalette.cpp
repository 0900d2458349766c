// The palette manager: a logical palette that is, index for index, the bitmap's colour table,
// built around the display's static colours, so that copies to the screen need no colour
// translation and AnimatePalette can change the picture's entries in place.
#include "engine/gfx/mBitmap.h"

#include <algorithm>
#include <cstring>

namespace {

// A LOGPALETTE with all its 256 entries.
struct FullPalette {
    WORD version;
    WORD count;
    PALETTEENTRY entries[256];

    LOGPALETTE* Logical() { return reinterpret_cast<LOGPALETTE*>(this); }
};

PALETTEENTRY EntryOf(const RGBQUAD& colour, BYTE flags) {
    return PALETTEENTRY{colour.rgbRed, colour.rgbGreen, colour.rgbBlue, flags};
}

void SetFlags(FullPalette& palette, int first, int end, BYTE flags) {
    for (int i = first; i < end; ++i)
        palette.entries[i].peFlags = flags;
}

// Realising the system colours as they are, with no entry collapsed onto another, makes the
// system palette read afterwards the one the display really holds.
void RefreshSystemPalette(HDC screen, FullPalette& palette) {
    SetFlags(palette, 0, 256, PC_NOCOLLAPSE);
    HPALETTE refresh = CreatePalette(palette.Logical());
    if (!refresh) return;
    HPALETTE previous = SelectPalette(screen, refresh, FALSE);
    RealizePalette(screen);
    SelectPalette(screen, previous, FALSE);
    DeleteObject(refresh);
}

// Half of the reserved colours sit at each end; 0 when the display keeps none of its own.
int StaticHalf(HDC screen) {
    if (GetSystemPaletteUse(screen) == SYSPAL_NOSTATIC) return 0;
    if (!(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE)) return 0;
    return std::clamp(GetDeviceCaps(screen, NUMCOLORS), 0, 256) / 2;
}

// System colours at both ends (static), the bitmap's colours between them (animatable).
void PlaceAroundStatics(FullPalette& palette, const RGBQUAD* colours, int n, int half) {
    SetFlags(palette, 0, half, 0);
    for (int i = half; i < n - half; ++i)
        palette.entries[i] = EntryOf(colours[i], PC_RESERVED);
    SetFlags(palette, std::max(n - half, half), 256 - half, PC_RESERVED);
    SetFlags(palette, 256 - half, 256, 0);
}

// No static colours: all of the bitmap's colours, but the ends pinned to black and white.
void PlaceWithoutStatics(FullPalette& palette, const RGBQUAD* colours, int n) {
    for (int i = 0; i < n; ++i)
        palette.entries[i] = EntryOf(colours[i], PC_RESERVED);
    SetFlags(palette, n, 256, PC_RESERVED);
    palette.entries[0] = PALETTEENTRY{0, 0, 0, 0};
    palette.entries[255] = PALETTEENTRY{255, 255, 255, 0};
}

} // namespace

HPALETTE mBitmap::MakeIdentityPalette(BOOL remap) {
    const int n = record.bitsPerPixel > 8 ? 0 : ColourCount();
    if (n == 0) return nullptr;
    FullPalette palette = {};
    palette.version = 0x300;
    palette.count = 256;

    HDC screen = GetDC(nullptr);
    GetSystemPaletteEntries(screen, 0, 256, palette.entries);
    RefreshSystemPalette(screen, palette);
    const int half = StaticHalf(screen);
    if (half > 0)
        PlaceAroundStatics(palette, record.colours, n, half);
    else
        PlaceWithoutStatics(palette, record.colours, n);
    ReleaseDC(nullptr, screen);

    RGBQUAD table[256];
    for (int i = 0; i < n; ++i) {
        const PALETTEENTRY& entry = palette.entries[i];
        table[i] = RGBQUAD{entry.peBlue, entry.peGreen, entry.peRed, 0};
    }
    if (remap)
        SetColoursAndRemap(table, 0, n);
    else
        SetColours(table, 0, n);
    return CreatePalette(palette.Logical());
}

void mBitmap::SetColoursAndRemap(const RGBQUAD* entries, int first, int count) {
    const int n = record.bitsPerPixel > 8 ? 0 : ColourCount();
    if (n == 0) return;
    RGBQUAD saved[256];
    std::memcpy(saved, record.colours, n * sizeof(RGBQUAD));
    if (SetColours(entries, first, count) == 0) return;

    BYTE moveTo[256];
    bool identity = true;
    for (int i = 0; i < 256; ++i) {
        const bool kept = i >= n || std::memcmp(&saved[i], &record.colours[i], 3) == 0;
        moveTo[i] = BYTE(kept ? i : NearestColour(saved[i]));
        identity &= moveTo[i] == i;
    }
    // Only at 8 bits is every stored byte one pixel.
    if (identity || record.bitsPerPixel != 8) return;
    BYTE* pixel = record.bits;
    BYTE* const end = record.bits + ptrdiff_t(record.stride) * record.height;
    for (; pixel != end; ++pixel)
        *pixel = moveTo[*pixel];
    record.keyColour = moveTo[BYTE(record.keyColour)];
}
