#include "engine/gfx/mBitmap.h"

#include <cstdint>
#include <cstring>

// These loops run for every dirty rectangle of every frame, so each row loop is written for
// the compiler: opaque rows are block moves, the transparent select vectorises, and mapped
// rows (a table lookup per pixel) are unrolled by eight.
namespace {

constexpr uint64_t ones = 0x0101010101010101ull;

// Sixteen pixels per step as one vector select: under a key pixel the destination's byte is
// read and written back unchanged. Fixed-size blocks and __restrict (source and destination
// are different bitmaps) let the compiler vectorise it at every optimisation level.
void CopyKeyedRow(const BYTE* __restrict source, BYTE* __restrict destination, LONG width,
                  BYTE key) {
    LONG i = 0;
    for (; i + 16 <= width; i += 16)
        for (int j = 0; j < 16; ++j) {
            const BYTE pixel = source[i + j];
            destination[i + j] = pixel == key ? destination[i + j] : pixel;
        }
    for (; i < width; ++i)
        if (source[i] != key) destination[i] = source[i];
}

void CopyMappedRow(const BYTE* source, BYTE* destination, LONG width, const BYTE* map) {
    LONG i = 0;
    for (; i + 8 <= width; i += 8) {
        const BYTE p0 = map[source[i]], p1 = map[source[i + 1]], p2 = map[source[i + 2]],
                   p3 = map[source[i + 3]], p4 = map[source[i + 4]], p5 = map[source[i + 5]],
                   p6 = map[source[i + 6]], p7 = map[source[i + 7]];
        destination[i] = p0;
        destination[i + 1] = p1;
        destination[i + 2] = p2;
        destination[i + 3] = p3;
        destination[i + 4] = p4;
        destination[i + 5] = p5;
        destination[i + 6] = p6;
        destination[i + 7] = p7;
    }
    for (; i < width; ++i)
        destination[i] = map[source[i]];
}

// The key is compared before mapping. Eight key pixels in a row (the space around a sprite)
// cost one comparison.
void CopyKeyedMappedRow(const BYTE* source, BYTE* destination, LONG width, BYTE key,
                        const BYTE* map) {
    const uint64_t key8 = key * ones;
    LONG i = 0;
    for (; i + 8 <= width; i += 8) {
        uint64_t group;
        std::memcpy(&group, source + i, 8);
        if (group == key8) continue;
        for (LONG j = i; j < i + 8; ++j)
            if (source[j] != key) destination[j] = map[source[j]];
    }
    for (; i < width; ++i)
        if (source[i] != key) destination[i] = map[source[i]];
}

// Row k of the source at (sourceX, sourceY + k), of the destination at rect's row k; both
// addressed from topRow by pitch, so either row order works on either side.
template <class RowCopy>
void ForEachRow(const mBitmapInfo& source, const mBitmapInfo& destination, const RECT* rect,
                LONG sourceX, LONG sourceY, RowCopy copyRow) {
    const LONG width = rect->right - rect->left;
    const LONG rows = rect->bottom - rect->top;
    if (width <= 0 || rows <= 0) return;
    const BYTE* from = source.topRow + ptrdiff_t(sourceY) * source.pitch + sourceX;
    BYTE* to = destination.topRow + ptrdiff_t(rect->top) * destination.pitch + rect->left;
    for (LONG k = 0; k < rows; ++k, from += source.pitch, to += destination.pitch)
        copyRow(from, to, width);
}

} // namespace

void mBitmap::BlitTo(mBitmap* destination, const RECT* rect, LONG sourceX, LONG sourceY) {
    switch (record.flags & (Transparent | MapColours)) {
    case 0:
        return CopyOpaque(destination, rect, sourceX, sourceY);
    case Transparent:
        return CopyTransparent(destination, rect, sourceX, sourceY);
    case MapColours:
        return CopyMapped(destination, rect, sourceX, sourceY);
    default:
        return CopyTransparentMapped(destination, rect, sourceX, sourceY);
    }
}

void mBitmap::CopyOpaque(mBitmap* destination, const RECT* rect, LONG sourceX, LONG sourceY) const {
    ForEachRow(record, destination->record, rect, sourceX, sourceY,
               [](const BYTE* from, BYTE* to, LONG width) { std::memmove(to, from, width); });
}

void mBitmap::CopyTransparent(mBitmap* destination, const RECT* rect, LONG sourceX,
                              LONG sourceY) const {
    const BYTE key = BYTE(record.keyColour);
    ForEachRow(
        record, destination->record, rect, sourceX, sourceY,
        [key](const BYTE* from, BYTE* to, LONG width) { CopyKeyedRow(from, to, width, key); });
}

void mBitmap::CopyMapped(mBitmap* destination, const RECT* rect, LONG sourceX, LONG sourceY) {
    const BYTE* map = UsableColourMap(destination);
    if (!map) return CopyOpaque(destination, rect, sourceX, sourceY);
    ForEachRow(
        record, destination->record, rect, sourceX, sourceY,
        [map](const BYTE* from, BYTE* to, LONG width) { CopyMappedRow(from, to, width, map); });
}

void mBitmap::CopyTransparentMapped(mBitmap* destination, const RECT* rect, LONG sourceX,
                                    LONG sourceY) {
    const BYTE* map = UsableColourMap(destination);
    if (!map) return CopyTransparent(destination, rect, sourceX, sourceY);
    const BYTE key = BYTE(record.keyColour);
    ForEachRow(record, destination->record, rect, sourceX, sourceY,
               [key, map](const BYTE* from, BYTE* to, LONG width) {
                   CopyKeyedMappedRow(from, to, width, key, map);
               });
}
