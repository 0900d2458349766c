#include "platform/gdi32/colour_translation.h"

#include "platform/drivers/display/display_class.h"
#include "platform/gdi32/colour_match.h"
#include "platform/gdi32/system_palette.h"

namespace platform::gdi {
namespace {

uint32_t PackedRgb(BYTE red, BYTE green, BYTE blue) {
    return (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}

int SlotOfEntry(const Palette& palette, int index) {
    if (palette.realised) return palette.slots[index];
    const PALETTEENTRY& entry = palette.entries[index];
    return TheSystemPalette().NearestSlot(entry.peRed, entry.peGreen, entry.peBlue);
}

// An identity palette keeps duplicate colours apart: table index i stays entry i whenever
// the two agree, as a display driver's identity path does.
int PaletteIndexOf(const Palette& palette, int index, const RGBQUAD& colour) {
    size_t size = palette.entries.size();
    if (static_cast<size_t>(index) < size && SameColour(colour, palette.entries[index])) {
        return index;
    }
    return NearestEntry(palette.entries.data(), size, colour.rgbRed, colour.rgbGreen,
                        colour.rgbBlue);
}

uint32_t PaletteSlotValue(const Palette& palette, int index, const RGBQUAD& colour) {
    return static_cast<uint32_t>(SlotOfEntry(palette, PaletteIndexOf(palette, index, colour)));
}

RGBQUAD QuadOf(COLORREF colour) {
    return RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
}

} // namespace

void BuildWindowTable(const DeviceContext& dc, const RGBQUAD* colours, UINT count,
                      WindowTable* table) {
    bool palette = CurrentDisplayClass() == DisplayClass::Palette;
    const RGBQUAD black{};
    for (UINT i = 0; i < 256; ++i) {
        const RGBQUAD& colour = i < count ? colours[i] : black;
        (*table)[i] = palette ? PaletteSlotValue(*dc.palette, i, colour)
                              : PackedRgb(colour.rgbRed, colour.rgbGreen, colour.rgbBlue);
    }
}

void BuildIndexTable(const RGBQUAD* colours, UINT count, const Bitmap& destination,
                     IndexTable* table) {
    const RGBQUAD black{};
    for (UINT i = 0; i < 256; ++i) {
        const RGBQUAD& colour = i < count ? colours[i] : black;
        bool same = i < destination.colourCount && SameColour(colour, destination.colours[i]);
        (*table)[i] = same ? static_cast<BYTE>(i)
                           : static_cast<BYTE>(NearestEntry(destination.colours.data(),
                                                            destination.colourCount, colour.rgbRed,
                                                            colour.rgbGreen, colour.rgbBlue));
    }
}

uint32_t WindowValueOf(const DeviceContext& dc, COLORREF colour) {
    if (CurrentDisplayClass() == DisplayClass::TrueColour) {
        return PackedRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    }
    const Palette& palette = *dc.palette;
    if ((colour >> 24) == 1) { // PALETTEINDEX
        size_t index = colour & 0xFFFF;
        return index < palette.entries.size() ? SlotOfEntry(palette, static_cast<int>(index)) : 0;
    }
    return PaletteSlotValue(palette, -1, QuadOf(colour));
}

BYTE IndexValueOf(const Bitmap& destination, COLORREF colour) {
    return static_cast<BYTE>(NearestEntry(destination.colours.data(), destination.colourCount,
                                          GetRValue(colour), GetGValue(colour), GetBValue(colour)));
}

COLORREF ShownColour(uint32_t value) {
    if (CurrentDisplayClass() == DisplayClass::Palette) {
        value = TheSystemPalette().Rgb(static_cast<int>(value & 0xFF));
    }
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

} // namespace platform::gdi
