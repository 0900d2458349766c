#include "engine/media/mImageStill.h"

#include "engine/gfx/mBitmap.h"
#include "engine/media/PictureRows.h"

#include <cstdio>

mImageStill::mImageStill(LONG id, DWORD tag) : classId(id), typeTag(tag) {}

mImageStill::~mImageStill() {
    if (State()->open) mFile::Close();
    mImage::SetTarget(nullptr);
    if (useCount != 0) {
        Warning(classId, errStillInUse);
        useCount = 0;
    }
}

LONG mImageStill::WriteHeader() {
    Error(classId, errNotImplemented);
    return 0;
}

LONG mImageStill::WriteFrame(LONG, LONG, LONG) {
    Error(classId, errNotImplemented);
    return 0;
}

void mImageStill::RemapColours() {
    Error(classId, errNotImplemented);
}

void mImageStill::SetTransparent(BOOL) {
    Error(classId, errNotImplemented);
}

void mImageStill::SetKeyColour(LONG) {
    Error(classId, errNotImplemented);
}

void mImageStill::SetRemap(BOOL) {
    Error(classId, errNotImplemented);
}

bool mImageStill::ReadyToDraw() {
    if (format.typeTag != typeTag && !ReadHeader()) return false;
    return target || Refuse(errBitmap);
}

bool mImageStill::Prepare(PictureRows& rows) {
    if (!rows.Usable()) return Refuse(errBitmap, "Bitmap wrong format");
    if (!rows.Window().Empty() && !rows.Allocate()) return Refuse(errOutOfMemory);
    return true;
}

bool mImageStill::SizeUsable(LONG width, LONG height) {
    if (width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide) return true;
    char detail[64];
    std::snprintf(detail, sizeof detail, "%ld x %ld, not 1 to %ld a side", long(width),
                  long(height), long(kMaxImageSide));
    return Refuse(errValueOutOfRange, detail);
}

bool mImageStill::Refuse(LONG code, const char* detail) {
    Error(classId, code, detail);
    return false;
}

void mImageStill::StoreRecords(LONG width, LONG height, LONG bitsPerPixel, LONG planes,
                               LONG fileSize, LONG frameDataSize) {
    format = FormatInfo{1, typeTag, fileSize, width, height, 0};
    playback.currentFrame = 0;
    playback.frameDataSize = frameDataSize;
    playback.frameTime = 0;
    playback.width = width;
    playback.height = height;
    playback.bitsPerPixel = bitsPerPixel;
    playback.planes = planes;
    playback.originX = playback.originY = 0;
    playback.changed = RECT{0, 0, width, height};
}

bool mImageStill::Holds(int64_t offset, int64_t count) {
    return offset >= 0 && count >= 0 && offset + count <= State()->size;
}
