#include "engine/media/mImage.h"

#include "engine/gfx/mBitmap.h"

#include <new>

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
