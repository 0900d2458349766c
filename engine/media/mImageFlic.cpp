#include "engine/media/mImageFlic.h"

#include "engine/gfx/mBitmap.h"
#include "engine/media/FlicFormat.h"
#include "engine/media/FlicReader.h"

#include <cstdint>
#include <cstdio>
#include <new>

namespace {

WORD U16At(const BYTE* bytes, int offset) {
    return Little16(bytes + offset);
}
DWORD U32At(const BYTE* bytes, int offset) {
    return Little32(bytes + offset);
}

} // namespace

mImageFlic::mImageFlic() {
    playback.currentFrame = 0;
}

mImageFlic::~mImageFlic() {
    if (State()->open) Close();
    delete frameBitmap;
    mImage::SetTarget(nullptr);
    if (useCount != 0) {
        Warning(classImageFlic, errStillInUse);
        useCount = 0;
    }
}

BOOL mImageFlic::ReadHeader() {
    StreamState* stream = State();
    if (!stream->open || format.typeTag != 0) return FALSE;
    WORD magic = Read(header, flic::kHeaderSize) == flic::kHeaderSize ? U16At(header, 4) : 0;
    if (magic != flic::kMagicFli && magic != flic::kMagicFlc) {
        // Also a file too short to hold a header.
        Error(classImageFlic, errFileType, stream->fileName);
        Close();
        return FALSE;
    }
    format.typeTag = magic == flic::kMagicFli ? ImageTag('F', 'L', 'I') : ImageTag('F', 'L', 'C');
    firstFrameOffset = LONG(U32At(header, 80));
    if (firstFrameOffset == 0) firstFrameOffset = stream->position;
    secondFrameOffset = LONG(U32At(header, 84));
    if (stream->position != firstFrameOffset && Seek(firstFrameOffset, 0) < 0) return FALSE;
    FillRecords(magic);
    if (!FrameIsUsable()) {
        Close();
        return FALSE;
    }
    if (!CreateOwnFrameBitmap()) return FALSE;
    opaqueBounds.Reset(format.frameCount);
    playback.currentFrame = 0;
    DecodeInternally();
    // A zero second-frame offset (usual in FLI files) is worked out from the first frame's
    // size rather than taken as the end of the header: after the ring frame playback then
    // resumes at the second frame, in step with the frame counter.
    int64_t second = int64_t(firstFrameOffset) + DWORD(playback.frameDataSize);
    if (secondFrameOffset == 0 && second <= INT32_MAX) secondFrameOffset = LONG(second);
    return TRUE;
}

void mImageFlic::FillRecords(WORD magic) {
    format.frameCount = U16At(header, 6);
    format.fileSize = LONG(U32At(header, 0));
    format.width = U16At(header, 8);
    format.height = U16At(header, 10);
    format.kind = 4;
    DWORD speed = U32At(header, 16);
    playback.frameDataSize = 0;
    playback.frameTime = LONG(magic == flic::kMagicFli ? speed * 100 / 7 : speed);
    playback.width = format.width;
    playback.height = format.height;
    playback.bitsPerPixel = U16At(header, 12);
    playback.planes = 1;
}

// Frames are 8-bit pictures of a size the program can hold; a header claiming anything else
// is refused with what it claims, rather than failing later as if memory had run out.
bool mImageFlic::FrameIsUsable() {
    char detail[64];
    if (playback.bitsPerPixel != 8) {
        std::snprintf(detail, sizeof detail, "depth %ld, not 8", long(playback.bitsPerPixel));
    } else if (format.width < 1 || format.height < 1 || format.width > kMaxImageSide ||
               format.height > kMaxImageSide) {
        std::snprintf(detail, sizeof detail, "%ld x %ld, not 1 to %ld a side", long(format.width),
                      long(format.height), long(kMaxImageSide));
    } else {
        return true;
    }
    Error(classImageFlic, errValueOutOfRange, detail);
    return false;
}

bool mImageFlic::CreateOwnFrameBitmap() {
    delete frameBitmap;
    frameBitmap = new (std::nothrow) mBitmap;
    if (!frameBitmap) {
        Error(classImageFlic, errOutOfMemory);
        return false;
    }
    bool topDown = targetInfo && targetInfo->topDown;
    if (!frameBitmap->Create(format.width, topDown ? -format.height : format.height, 8)) {
        delete frameBitmap;
        frameBitmap = nullptr;
        return false;
    }
    if (playback.transparent) frameBitmap->SetKeyColour(DWORD(playback.keyColour));
    if (playback.remap) frameBitmap->SetMapColours(TRUE);
    playback.palette = frameBitmap->info->colours;
    return true;
}

LONG mImageFlic::WriteHeader() {
    Error(classImageFlic, errNotImplemented, "WriteHeader()");
    return 0;
}

LONG mImageFlic::WriteFrame(LONG, LONG, LONG) {
    Error(classImageFlic, errNotImplemented, "WriteFrame()");
    return -1;
}

void mImageFlic::RemapColours() {
    if (playback.remap && target && frameBitmap)
        colourMapResult = frameBitmap->BuildColourMap(target);
}

BOOL mImageFlic::SetTarget(mBitmap* bitmap) {
    mImage::SetTarget(bitmap);
    if (!bitmap) return TRUE;
    if (targetInfo->bitsPerPixel != playback.bitsPerPixel || targetInfo->planes != 1) {
        Error(classImageFlic, errBitmap, "Bitmap wrong format");
        return FALSE;
    }
    if (frameBitmap) frameBitmap->SetOrientation(targetInfo->topDown);
    return TRUE;
}

void mImageFlic::SetTransparent(BOOL flag) {
    playback.transparent = flag;
    if (frameBitmap) frameBitmap->SetTransparent(flag);
}

void mImageFlic::SetKeyColour(LONG colour) {
    ApplyKeyColour(colour);
    automaticKeyColour = FALSE;
    opaqueBounds.Forget();
}

void mImageFlic::ApplyKeyColour(LONG colour) {
    mImage::SetKeyColour(colour);
    if (frameBitmap) frameBitmap->SetKeyColour(DWORD(colour));
}

void mImageFlic::SetRemap(BOOL flag) {
    playback.remap = flag;
    if (frameBitmap) frameBitmap->SetMapColours(flag);
    playback.paletteChanged = !flag;
}

RECT mImageFlic::FrameBounds(LONG n) {
    RECT bounds;
    if (playback.transparent && opaqueBounds.Find(n, &bounds)) return bounds;
    return mImage::FrameBounds(n);
}

void mImageFlic::Close() {
    delete frameBitmap;
    frameBitmap = nullptr;
    opaqueBounds.Reset(0);
    playback.palette = nullptr;
    if (State()->open) mFile::Close();
    format.typeTag = 0;
    // Reopened, the image starts over from frame 0.
    decodedFrame = -1;
    playback.currentFrame = 0;
}
