// Pixel conversion of mImage: rows of other formats into 8-bit indices of the target, deep
// pixels through a 12-bit colour table. One loop per format, so no pixel pays for a switch.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImage.h"

#include <cstring>
#include <new>

namespace {

constexpr int conversionTableSize = 4096;

BYTE FromTwelveBit(const BYTE* table, unsigned red, unsigned green, unsigned blue) {
    return table[(red >> 4) * 256 + (green >> 4) * 16 + (blue >> 4)];
}

// One bit per pixel in each plane, planes planeStride bytes apart; plane n gives bit n.
void ConvertBitPlanes(const BYTE* source, BYTE* destination, LONG count, LONG planes,
                      LONG planeStride) {
    for (LONG i = 0; i < count; ++i) {
        int bit = 7 - (i & 7);
        BYTE index = 0;
        for (LONG plane = 0; plane < planes; ++plane)
            index |= BYTE((source[plane * planeStride] >> bit & 1) << plane);
        destination[i] = index;
        if (bit == 0) ++source;
    }
}

void ConvertNibbles(const BYTE* source, BYTE* destination, LONG count) {
    for (LONG i = 0; i < count; ++i)
        destination[i] = (i & 1) ? (*source++ & 15) : (*source >> 4);
}

// Red, green and blue bytes in three planes planeStride bytes apart.
void ConvertColourPlanes(const BYTE* table, const BYTE* source, BYTE* destination, LONG count,
                         LONG planeStride) {
    for (LONG i = 0; i < count; ++i, ++source)
        destination[i] =
            FromTwelveBit(table, source[0], source[planeStride], source[2 * planeStride]);
}

// Little-endian 5-5-5 words, red highest.
void ConvertRgb555(const BYTE* table, const BYTE* source, BYTE* destination, LONG count) {
    for (LONG i = 0; i < count; ++i, source += 2) {
        unsigned pixel = source[0] | source[1] << 8;
        destination[i] = FromTwelveBit(table, (pixel >> 10 & 31) << 3, (pixel >> 5 & 31) << 3,
                                       (pixel & 31) << 3);
    }
}

// Blue, green, red bytes.
void ConvertBgr24(const BYTE* table, const BYTE* source, BYTE* destination, LONG count) {
    for (LONG i = 0; i < count; ++i, source += 3)
        destination[i] = FromTwelveBit(table, source[2], source[1], source[0]);
}

} // namespace

void mImage::BuildConversionTable() {
    FreeConversionTable();
    bool deepSource = playback.bitsPerPixel * playback.planes > 8;
    if (!deepSource || !targetInfo || targetInfo->bitsPerPixel * targetInfo->planes > 8) return;
    conversionTable = new (std::nothrow) BYTE[conversionTableSize];
    if (!conversionTable) return;
    for (int index = 0; index < conversionTableSize; ++index) {
        RGBQUAD colour{BYTE((index & 15) * 16), BYTE((index >> 4 & 15) * 16),
                       BYTE((index >> 8) * 16), 0};
        conversionTable[index] = BYTE(target->NearestColour(colour));
    }
}

void mImage::FreeConversionTable() {
    delete[] conversionTable;
    conversionTable = nullptr;
}

// Deep formats without a table, and unknown depths, leave the destination untouched.
void mImage::ConvertRow(const BYTE* source, BYTE* destination, LONG count, LONG planeStride) const {
    if (count <= 0) return;
    const bool planar = playback.bitsPerPixel == 8 && playback.planes == 3;
    switch (playback.bitsPerPixel) {
    case 1:
        ConvertBitPlanes(source, destination, count, playback.planes, planeStride);
        return;
    case 4:
        ConvertNibbles(source, destination, count);
        return;
    case 8:
        if (!planar)
            std::memcpy(destination, source, size_t(count));
        else if (conversionTable)
            ConvertColourPlanes(conversionTable, source, destination, count, planeStride);
        return;
    case 16:
        if (conversionTable) ConvertRgb555(conversionTable, source, destination, count);
        return;
    case 24:
        if (conversionTable) ConvertBgr24(conversionTable, source, destination, count);
        return;
    }
}
