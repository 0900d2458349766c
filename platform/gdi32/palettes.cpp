// Logical palettes: creation, selection, realisation and animation.
#include <algorithm>

#include "platform/drivers/display/backend.h"
#include "platform/drivers/display/display_class.h"
#include "platform/gdi32/colour_match.h"
#include "platform/gdi32/objects.h"
#include "platform/gdi32/system_palette.h"

using namespace platform::gdi;

namespace {

constexpr WORD kPaletteVersion = 0x300;

bool PaletteDisplay() {
    return platform::CurrentDisplayClass() == platform::DisplayClass::Palette;
}

// Entries [start, start + count) clipped to the palette; the number that remain.
UINT ClippedCount(const Palette& palette, UINT start, UINT count) {
    size_t size = palette.entries.size();
    return start >= size ? 0 : static_cast<UINT>(std::min<size_t>(count, size - start));
}

void ShowAnimatedEntry(const Palette& palette, UINT index, bool& systemChanged) {
    if (!PaletteDisplay() || !palette.realised) return;
    systemChanged |=
        TheSystemPalette().Animate(palette, palette.slots[index], palette.entries[index]);
}

} // namespace

HPALETTE WINAPI CreatePalette(const LOGPALETTE* description) {
    if (!description || description->palVersion != kPaletteVersion ||
        description->palNumEntries == 0) {
        return nullptr;
    }
    auto palette = std::make_unique<Palette>();
    const PALETTEENTRY* entries = description->palPalEntry;
    palette->entries.assign(entries, entries + description->palNumEntries);
    return static_cast<HPALETTE>(Register(std::move(palette)));
}

HPALETTE WINAPI SelectPalette(HDC dcHandle, HPALETTE paletteHandle, BOOL forceBackground) {
    DeviceContext* dc = AsDC(dcHandle);
    Palette* palette = AsPalette(paletteHandle);
    if (!dc || !palette) return nullptr;
    Palette* previous = dc->palette;
    Reselect(previous, palette);
    dc->palette = palette;
    dc->paletteBackground = forceBackground != FALSE;
    return static_cast<HPALETTE>(HandleOf(previous));
}

UINT WINAPI RealizePalette(HDC dcHandle) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc) return GDI_ERROR;
    // Only a palette device has a system palette to realise into; a memory DC's bitmap
    // keeps its own colour table.
    if (!PaletteDisplay() || dc->dcKind == DcKind::Memory || dc->palette->stock) return 0;
    if (dc->paletteBackground) {
        TheSystemPalette().RealiseBackground(*dc->palette);
        return 0;
    }
    UINT changed = TheSystemPalette().RealiseForeground(*dc->palette);
    if (changed) platform::Display().SystemPaletteChanged();
    return changed;
}

BOOL WINAPI AnimatePalette(HPALETTE paletteHandle, UINT start, UINT count,
                           const PALETTEENTRY* entries) {
    Palette* palette = AsPalette(paletteHandle);
    if (!palette || !entries || palette->stock) return FALSE;
    bool systemChanged = false;
    UINT clipped = ClippedCount(*palette, start, count);
    for (UINT i = 0; i < clipped; ++i) {
        PALETTEENTRY& entry = palette->entries[start + i];
        if (!(entry.peFlags & PC_RESERVED)) continue;
        entry.peRed = entries[i].peRed;
        entry.peGreen = entries[i].peGreen;
        entry.peBlue = entries[i].peBlue;
        ShowAnimatedEntry(*palette, start + i, systemChanged);
    }
    if (systemChanged) platform::Display().SystemPaletteChanged();
    return TRUE;
}

UINT WINAPI GetPaletteEntries(HPALETTE paletteHandle, UINT start, UINT count,
                              LPPALETTEENTRY entries) {
    Palette* palette = AsPalette(paletteHandle);
    if (!palette) return 0;
    if (!entries) return static_cast<UINT>(palette->entries.size());
    UINT clipped = ClippedCount(*palette, start, count);
    std::copy_n(palette->entries.begin() + start, clipped, entries);
    return clipped;
}

UINT WINAPI SetPaletteEntries(HPALETTE paletteHandle, UINT start, UINT count,
                              const PALETTEENTRY* entries) {
    Palette* palette = AsPalette(paletteHandle);
    if (!palette || !entries || palette->stock) return 0;
    UINT clipped = ClippedCount(*palette, start, count);
    std::copy_n(entries, clipped, palette->entries.begin() + start);
    return clipped;
}

UINT WINAPI GetNearestPaletteIndex(HPALETTE paletteHandle, COLORREF colour) {
    Palette* palette = AsPalette(paletteHandle);
    if (!palette) return CLR_INVALID;
    return static_cast<UINT>(NearestEntry(palette->entries.data(), palette->entries.size(),
                                          GetRValue(colour), GetGValue(colour), GetBValue(colour)));
}

UINT WINAPI GetSystemPaletteEntries(HDC dcHandle, UINT start, UINT count, LPPALETTEENTRY entries) {
    if (!AsDC(dcHandle)) return 0;
    if (!entries) return 256;
    UINT clipped = start >= 256 ? 0 : std::min<UINT>(count, 256 - start);
    for (UINT i = 0; i < clipped; ++i)
        entries[i] = TheSystemPalette().Entry(start + i);
    return clipped;
}

UINT WINAPI GetSystemPaletteUse(HDC dcHandle) {
    return AsDC(dcHandle) ? TheSystemPalette().Use() : SYSPAL_ERROR;
}

UINT WINAPI SetSystemPaletteUse(HDC dcHandle, UINT use) {
    if (!AsDC(dcHandle) || !PaletteDisplay()) return SYSPAL_ERROR;
    UINT previous = TheSystemPalette().SetUse(use);
    if (previous != SYSPAL_ERROR) platform::Display().SystemPaletteChanged();
    return previous;
}
