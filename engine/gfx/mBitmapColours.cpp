#include "engine/gfx/mBitmap.h"

#include "engine/gfx/mBitmapDefaultColours.h"
#include "engine/gfx/mPaletteResource.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

bool SameColour(const RGBQUAD& a, const RGBQUAD& b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

DWORD Distance(const RGBQUAD& a, const RGBQUAD& b) {
    const int red = a.rgbRed - b.rgbRed;
    const int green = a.rgbGreen - b.rgbGreen;
    const int blue = a.rgbBlue - b.rgbBlue;
    return DWORD(red * red + green * green + blue * blue);
}

} // namespace

int mBitmap::SetColours(const RGBQUAD* entries, int first, int count) {
    const int n = ColourCount();
    if (!entries || n == 0 || first < 0 || first > n) return 0;
    const int64_t last = std::min<int64_t>(int64_t(first) + count - 1, n - 1);
    const int changed = last >= first ? int(last - first + 1) : 0;
    // memmove: callers may hand over entries of this very table.
    std::memmove(record.colours + first, entries, changed * sizeof(RGBQUAD));
    if (record.memoryDC) SetDIBColorTable(record.memoryDC, 0, n, record.colours);
    mapTarget = nullptr; // this side changed: rebuild before the next mapped copy
    ++record.colourVersion;
    return changed;
}

// Starts from the built-in table, so a short or broken resource still leaves every entry set.
void mBitmap::LoadDefaultColours(RGBQUAD* table) {
    for (int i = 0; i < 256; ++i) {
        const mDefaultColour& colour = mBitmapDefaultColours[i];
        table[i] = RGBQUAD{colour.blue, colour.green, colour.red, 0};
    }
    if (!resourceModule) return;
    HRSRC found = FindResourceA(resourceModule, "default", "PALETTE");
    HGLOBAL loaded = found ? LoadResource(resourceModule, found) : nullptr;
    void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes) ReadPaletteResource(bytes, SizeofResource(resourceModule, found), table);
}

int mBitmap::NearestColour(RGBQUAD colour) const {
    const int n = record.bitsPerPixel > 8 ? 0 : ColourCount();
    DWORD best = 0xFFFFFFFF;
    int answer = 0;
    for (int i = 0; i < n && best > 1; ++i) {
        const DWORD distance = Distance(record.colours[i], colour);
        if (distance < best) {
            best = distance;
            answer = i;
        }
    }
    return answer;
}

bool mBitmap::BuildColourMap(mBitmap* target) {
    if (!target) {
        FreeColourMap();
        record.mapNeeded = 0;
        return false;
    }
    const int n = record.bitsPerPixel > 8 ? 0 : ColourCount();
    const int targetCount = target->ColourCount();
    if (n == 0 || targetCount == 0) return false;
    if (!mapBlock) {
        // A byte's worth of entries whatever the depth: the copies look up whole bytes.
        mapBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 256);
        record.colourMap = mapBlock ? static_cast<BYTE*>(GlobalLock(mapBlock)) : nullptr;
        if (!record.colourMap) {
            FreeColourMap();
            Error(classBitmap, errOutOfMemory);
            return false;
        }
    }
    const RGBQUAD* targetColours = target->record.colours;
    BOOL mapNeeded = 0;
    for (int i = 0; i < n; ++i) {
        const bool same = i < targetCount && SameColour(record.colours[i], targetColours[i]);
        record.colourMap[i] = BYTE(same ? i : target->NearestColour(record.colours[i]));
        mapNeeded |= record.colourMap[i] != i;
    }
    record.mapNeeded = mapNeeded;
    mapTarget = target;
    mapTargetVersion = target->record.colourVersion;
    return mapNeeded;
}

// The map to copy through, rebuilt when either side's colours changed; null when the copy
// needs no map (identity, or no map could be had).
const BYTE* mBitmap::UsableColourMap(mBitmap* destination) {
    if (destination != mapTarget || destination->record.colourVersion != mapTargetVersion)
        BuildColourMap(destination);
    return record.mapNeeded ? record.colourMap : nullptr;
}
