#include "engine/media/mImageBitmap.h"

#include "engine/gfx/mBitmap.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsEmpty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

RECT Clipped(const RECT& r, LONG width, LONG height) {
    return {std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0), std::min(r.right, width),
            std::min(r.bottom, height)};
}

// The part of (x, y, x + width, y + height) inside clip and the target; 64-bit, so a frame
// placed near the ends of the coordinate range cannot wrap into view.
RECT DrawingArea(const RECT* clip, const mBitmapInfo& target, LONG x, LONG y, LONG width,
                 LONG height) {
    const RECT whole = {0, 0, target.width, target.height};
    const RECT bounds = clip ? Clipped(*clip, target.width, target.height) : whole;
    return {LONG(std::max<int64_t>(bounds.left, x)), LONG(std::max<int64_t>(bounds.top, y)),
            LONG(std::min<int64_t>(bounds.right, int64_t(x) + width)),
            LONG(std::min<int64_t>(bounds.bottom, int64_t(y) + height))};
}

void Release(mBitmap* bitmap) {
    bitmap->useCount -= 1;
    if (bitmap->useCount == 0) delete bitmap;
}

} // namespace

mImageBitmap::mImageBitmap() {
    format.typeTag = kCompositeTag;
}

mImageBitmap::~mImageBitmap() {
    if (first) first->previous->next = nullptr;
    while (first) {
        mBitmapCell* cell = first;
        first = cell->next;
        Release(cell->bitmap);
        GlobalFree(cell);
    }
    mImage::SetTarget(nullptr);
    if (useCount != 0) {
        Warning(classImageBitmap, errStillInUse);
        useCount = 0;
    }
}

BOOL mImageBitmap::ReadHeader() {
    return current != nullptr;
}

LONG mImageBitmap::WriteHeader() {
    Error(classImageBitmap, errNotImplemented, "WriteHeader()");
    return 0;
}

LONG mImageBitmap::WriteFrame(LONG, LONG, LONG) {
    Error(classImageBitmap, errNotImplemented, "WriteFrame()");
    return -1;
}

BOOL mImageBitmap::AddCell(mBitmap* bitmap, const RECT* source, LONG originX, LONG originY,
                           DWORD time, const RECT* changed) {
    mBitmapCell* cell = NewCell(bitmap, source, changed);
    if (!cell) return FALSE;
    cell->originX = originX;
    cell->originY = originY;
    cell->time = time;
    bitmap->useCount += 1;
    format.frameCount += 1;
    format.width = std::max(format.width, cell->source.right - cell->source.left);
    format.height = std::max(format.height, cell->source.bottom - cell->source.top);
    Style(bitmap);
    Append(cell);
    return TRUE;
}

// Cells are drawn with the 8-bit copies, which read a byte per pixel.
mBitmapCell* mImageBitmap::NewCell(mBitmap* bitmap, const RECT* source, const RECT* changed) {
    if (!bitmap || bitmap->info->bitsPerPixel != 8) {
        Error(classImageBitmap, errBitmap, "Bitmap wrong format");
        return nullptr;
    }
    if (format.frameCount >= kMaxCells) {
        Error(classImageBitmap, errValueOutOfRange, "cells");
        return nullptr;
    }
    auto* cell = static_cast<mBitmapCell*>(GlobalAlloc(GPTR, sizeof(mBitmapCell)));
    if (!cell) {
        Error(classImageBitmap, errOutOfMemory);
        return nullptr;
    }
    const LONG width = bitmap->info->width, height = bitmap->info->height;
    cell->bitmap = bitmap;
    cell->source = source ? Clipped(*source, width, height) : RECT{0, 0, width, height};
    const LONG cellWidth = cell->source.right - cell->source.left;
    const LONG cellHeight = cell->source.bottom - cell->source.top;
    cell->changed =
        changed ? Clipped(*changed, cellWidth, cellHeight) : RECT{0, 0, cellWidth, cellHeight};
    if (IsEmpty(cell->source) || IsEmpty(cell->changed)) {
        GlobalFree(cell);
        Error(classImageBitmap, errBadRectangle);
        return nullptr;
    }
    return cell;
}

// The first cell becomes current; every later one is stepped onto as it arrives.
void mImageBitmap::Append(mBitmapCell* cell) {
    if (!first) {
        first = current = cell;
        cell->next = cell->previous = cell;
        playback.currentFrame = 0;
        SeekFrame(0, 1);
        return;
    }
    cell->next = first;
    cell->previous = first->previous;
    first->previous->next = cell;
    first->previous = cell;
    SeekFrame(1, 1);
}

LONG mImageBitmap::SeekFrame(LONG n, LONG whence) {
    const LONG count = format.frameCount;
    if (!current) return playback.currentFrame;
    int64_t wanted = n;
    if (whence == 1)
        wanted = ((int64_t(playback.currentFrame) + n) % count + count) % count;
    else if (whence == 2)
        wanted = int64_t(count) - n;
    if (wanted < 0 || wanted >= count) return playback.currentFrame;
    ShowCell(CellAt(LONG(wanted)));
    playback.currentFrame = LONG(wanted);
    return playback.currentFrame;
}

// Walks from the current cell the shorter way round.
mBitmapCell* mImageBitmap::CellAt(LONG wanted) {
    const LONG count = format.frameCount;
    const LONG ahead = (wanted - playback.currentFrame + count) % count;
    mBitmapCell* cell = current;
    if (ahead <= count / 2) {
        for (LONG i = 0; i < ahead; ++i)
            cell = cell->next;
    } else {
        for (LONG i = ahead; i < count; ++i)
            cell = cell->previous;
    }
    return cell;
}

void mImageBitmap::ShowCell(mBitmapCell* cell) {
    current = cell;
    playback.width = cell->source.right - cell->source.left;
    playback.height = cell->source.bottom - cell->source.top;
    playback.bitsPerPixel = 8;
    playback.planes = 1;
    playback.originX = cell->originX;
    playback.originY = cell->originY;
    playback.frameTime = LONG(cell->time);
    playback.changed = cell->changed;
    RGBQUAD* colours = cell->bitmap->info->colours;
    if (colours == playback.palette) return;
    playback.palette = colours;
    if (!playback.remap) playback.paletteChanged = TRUE;
}

LONG mImageBitmap::Draw(LONG x, LONG y, const RECT* clip) {
    if (!current) return -1;
    playback.paletteChanged = FALSE;
    if (!target) return playback.currentFrame;
    const RECT area = DrawingArea(clip, *targetInfo, x, y, playback.width, playback.height);
    if (IsEmpty(area)) return playback.currentFrame;
    current->bitmap->BlitTo(target, &area, current->source.left + (area.left - x),
                            current->source.top + (area.top - y));
    return playback.currentFrame;
}

void mImageBitmap::RemapColours() {
    if (!playback.remap || !target || !first) return;
    const mBitmapCell* cell = first;
    do {
        colourMapResult = cell->bitmap->BuildColourMap(target);
        cell = cell->next;
    } while (cell != first);
}

BOOL mImageBitmap::SetTarget(mBitmap* bitmap) {
    mImage::SetTarget(bitmap);
    if (!bitmap) return TRUE;
    if (targetInfo->bitsPerPixel != 8 || targetInfo->planes != 1) {
        Error(classImageBitmap, errBitmap, "Bitmap wrong format");
        return FALSE;
    }
    return TRUE;
}

void mImageBitmap::SetTransparent(BOOL flag) {
    playback.transparent = flag;
    StyleAll();
}

void mImageBitmap::SetKeyColour(LONG colour) {
    mImage::SetKeyColour(colour);
    keySet = TRUE;
    StyleAll();
}

void mImageBitmap::SetRemap(BOOL flag) {
    playback.remap = flag;
    StyleAll();
    playback.paletteChanged = !flag;
}

// Each bitmap keeps the key colour of its own top-left pixel unless one was set here.
void mImageBitmap::Style(mBitmap* bitmap) const {
    if (keySet) bitmap->SetKeyColour(DWORD(playback.keyColour));
    bitmap->SetTransparent(playback.transparent);
    bitmap->SetMapColours(playback.remap);
}

void mImageBitmap::StyleAll() {
    if (!first) return;
    const mBitmapCell* cell = first;
    do {
        Style(cell->bitmap);
        cell = cell->next;
    } while (cell != first);
}
