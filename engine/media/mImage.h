// Base of every image class: the description of the picture in two public records, the
// target bitmap it draws onto, and the conversion of other pixel formats into 8-bit indices.
// An image is at once an mImage, an mMedia and an mFile, sharing one mObject.
#pragma once

#include "engine/core/mObject.h"
#include "engine/media/mFile.h"
#include "engine/media/mMedia.h"

class mBitmap;
struct mBitmapInfo;

// The largest picture side the engine takes from a file. The program is built for a 32-bit
// address space of 2 GB, where a frame, its target and the stage must fit together: a
// 16384 x 16384 frame of 8 bits is 256 MB. Larger claims are refused, not attempted.
constexpr LONG kMaxImageSide = 16384;

// Three or four letters in a little-endian 32-bit value.
constexpr DWORD ImageTag(char a, char b, char c, char d = 0) {
    return DWORD(BYTE(a)) | DWORD(BYTE(b)) << 8 | DWORD(BYTE(c)) << 16 | DWORD(BYTE(d)) << 24;
}

struct FormatInfo {
    LONG frameCount;
    DWORD typeTag; // 0 while the image is not open
    LONG fileSize;
    LONG width;
    LONG height;
    LONG kind; // 4 for FLIC images
};

struct PlaybackInfo {
    LONG currentFrame; // -1 at construction
    LONG frameDataSize;
    LONG frameTime; // milliseconds
    LONG width;
    LONG height;
    LONG bitsPerPixel;
    LONG planes;
    LONG originX;
    LONG originY;
    RECT changed; // what the last decode touched, frame pixels
    BOOL transparent;
    LONG keyColour;
    RGBQUAD* palette; // 256 entries
    BOOL paletteChanged;
    BOOL remap;
    BOOL autoAdvance;
};

class mImage : public virtual mObject, public virtual mFile, public virtual mMedia {
public:
    mImage();
    ~mImage() override;

    virtual BOOL ReadHeader() = 0;
    virtual LONG WriteHeader() = 0;
    // Draws the current frame with its top-left corner at (x, y) onto the target, inside
    // clip (null: the whole target). Returns the frame drawn or -1.
    virtual LONG Draw(LONG x, LONG y, const RECT* clip) = 0;
    virtual LONG WriteFrame(LONG a, LONG b, LONG c) = 0;
    // whence 0 absolute, 1 relative, 2 from the end.
    virtual LONG SeekFrame(LONG n, LONG whence) = 0;
    // The target's colours changed.
    virtual void RemapColours() = 0;
    // Where frame n puts pixels when drawn, in frame coordinates: the whole frame, or less
    // where the image knows the frame's transparent margins.
    virtual RECT FrameBounds(LONG n);

    // A new bitmap of the current frame (8 bits unless fullDepth); the caller owns it.
    virtual mBitmap* CreateFrameBitmap(BOOL fullDepth);
    // Holds the new target and gives back the hold on the old one (never deleting it).
    virtual BOOL SetTarget(mBitmap* bitmap);
    virtual void SetAutoAdvance(BOOL flag);
    virtual void SetTransparent(BOOL flag);
    virtual void SetKeyColour(LONG colour);
    virtual void SetRemap(BOOL flag);

    // For decoders of deeper pixel formats: a 12-bit colour to target index table, made when
    // the source has more than 8 bits and the target at most 8. The decode frees it.
    void BuildConversionTable();
    void FreeConversionTable();
    // count 8-bit indices from source pixels at the image's depth and planes.
    void ConvertRow(const BYTE* source, BYTE* destination, LONG count, LONG planeStride) const;

    const FormatInfo* const formatInfo = &format;
    const PlaybackInfo* const playbackInfo = &playback;

protected:
    // Copies frame (the image's size) with its top-left corner at (x, y) onto the target,
    // inside clip (null: the whole target) and inside the target.
    void DrawFrameOntoTarget(mBitmap& frame, LONG x, LONG y, const RECT* clip);

    const mBitmapInfo* targetInfo = nullptr;
    mBitmap* target = nullptr;
    BOOL colourMapResult = FALSE;
    FormatInfo format{};
    PlaybackInfo playback{};
    BYTE* conversionTable = nullptr;
};
