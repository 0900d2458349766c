#include "engine/media/mImage.h"

#include "engine/gfx/mBitmap.h"

#include <new>

namespace {

constexpr int conversionTableSize = 4096;

BYTE FromTwelveBit(const BYTE* table, unsigned red, unsigned green, unsigned blue) {
    return table[(red >> 4) * 256 + (green >> 4) * 16 + (blue >> 4)];
}

} // namespace

mImage::mImage() {
    playback.currentFrame = -1;
}

mImage::~mImage() {
    FreeConversionTable();
}

mBitmap* mImage::CreateFrameBitmap(BOOL fullDepth) {
    if (format.typeTag == 0 && !ReadHeader()) return nullptr;
    mBitmap* bitmap = new (std::nothrow) mBitmap;
    if (!bitmap) return nullptr;
    LONG depth = fullDepth ? playback.bitsPerPixel : 8;
    if (!bitmap->Create(playback.width, playback.height, depth)) {
        delete bitmap;
        return nullptr;
    }
    bitmap->SetColours(playback.palette, 0, 256);
    mBitmap* remembered = target;
    SetTarget(bitmap);
    Draw(0, 0, nullptr);
    bitmap->SetKeyColour(bitmap->info->topRow[0]);
    SetTarget(remembered);
    return bitmap;
}

BOOL mImage::SetTarget(mBitmap* bitmap) {
    if (target) --target->useCount;
    target = bitmap;
    targetInfo = bitmap ? bitmap->info : nullptr;
    if (bitmap) ++bitmap->useCount;
    return TRUE;
}

void mImage::SetAutoAdvance(BOOL flag) {
    playback.autoAdvance = flag;
}

void mImage::SetTransparent(BOOL flag) {
    playback.transparent = flag;
}

void mImage::SetKeyColour(LONG colour) {
    playback.transparent = TRUE;
    playback.keyColour = colour;
}

void mImage::SetRemap(BOOL flag) {
    playback.remap = flag;
}

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

void mImage::ConvertRow(const BYTE* source, BYTE* destination, LONG count, LONG planeStride) const {
    const LONG bits = playback.bitsPerPixel;
    const bool planar = bits == 8 && playback.planes == 3;
    if ((bits == 16 || bits == 24 || planar) && !conversionTable) return;
    for (LONG i = 0; i < count; ++i) {
        switch (bits) {
        case 1: {
            int bit = 7 - (i & 7);
            BYTE index = 0;
            for (LONG plane = 0; plane < playback.planes; ++plane)
                index |= BYTE((source[plane * planeStride] >> bit & 1) << plane);
            destination[i] = index;
            if (bit == 0) ++source;
            break;
        }
        case 4:
            destination[i] = (i & 1) ? (*source++ & 15) : (*source >> 4);
            break;
        case 8:
            destination[i] = planar ? FromTwelveBit(conversionTable, source[0], source[planeStride],
                                                    source[2 * planeStride])
                                    : source[0];
            ++source;
            break;
        case 16: {
            unsigned pixel = source[0] | source[1] << 8;
            destination[i] = FromTwelveBit(conversionTable, (pixel >> 10 & 31) << 3,
                                           (pixel >> 5 & 31) << 3, (pixel & 31) << 3);
            source += 2;
            break;
        }
        case 24:
            destination[i] = FromTwelveBit(conversionTable, source[2], source[1], source[0]);
            source += 3;
            break;
        default:
            // Unknown depth: the pixel is skipped and the destination does not advance.
            return;
        }
    }
}
