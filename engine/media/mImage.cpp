#include "engine/media/mImage.h"

#include "engine/gfx/mBitmap.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

bool IsEmpty(const RECT& r) {
    return r.top >= r.bottom || r.left >= r.right;
}

// Intersection computed wide, so placements near the LONG limits cannot overflow.
RECT Intersect(const RECT& a, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    return RECT{LONG(std::max<int64_t>(a.left, left)), LONG(std::max<int64_t>(a.top, top)),
                LONG(std::min<int64_t>(a.right, right)), LONG(std::min<int64_t>(a.bottom, bottom))};
}

} // namespace

mImage::mImage() {
    playback.currentFrame = -1;
}

mImage::~mImage() {
    FreeConversionTable();
}

RECT mImage::FrameBounds(LONG) {
    return RECT{0, 0, playback.width, playback.height};
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

void mImage::DrawFrameOntoTarget(mBitmap& frame, LONG x, LONG y, const RECT* clip) {
    // The clip is also kept inside the target: the copies do no clipping of their own.
    RECT whole{0, 0, targetInfo->width, targetInfo->height};
    RECT area = Intersect(clip ? Intersect(*clip, 0, 0, whole.right, whole.bottom) : whole, x, y,
                          int64_t(x) + playback.width, int64_t(y) + playback.height);
    if (IsEmpty(area)) return;
    frame.BlitTo(target, &area, area.left - x, area.top - y);
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
