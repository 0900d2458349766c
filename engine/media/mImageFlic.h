// FLIC animations (FLI and FLC) played frame by frame out of the image's own stream into an
// 8-bit frame bitmap, then drawn clipped onto the target. One image is shared by many
// sprites, so it steps forward, wraps through the ring frame and replays for random access.
#pragma once

#include "engine/media/FrameOpaqueBounds.h"
#include "engine/media/mImage.h"

class mImageFlic : public mImage {
public:
    mImageFlic();
    ~mImageFlic() override;

    BOOL ReadHeader() override;
    LONG WriteHeader() override;
    LONG Draw(LONG x, LONG y, const RECT* clip) override;
    LONG WriteFrame(LONG a, LONG b, LONG c) override;
    LONG SeekFrame(LONG n, LONG whence) override;
    void RemapColours() override;
    BOOL SetTarget(mBitmap* bitmap) override;
    void SetTransparent(BOOL flag) override;
    void SetKeyColour(LONG colour) override;
    void SetRemap(BOOL flag) override;
    RECT FrameBounds(LONG n) override;

    // Deletes the frame bitmap, closes the stream and forgets the header, so the next use
    // reads the header again.
    void Close();

private:
    void FillRecords(WORD magic);
    bool FrameIsUsable();
    bool CreateOwnFrameBitmap();
    void ApplyKeyColour(LONG colour);
    bool DecodeFrameAtStream();
    // True when a colour chunk was met.
    bool DecodeSubChunks(LONG count);
    bool DecodeSubChunk(WORD type);
    void DecodeInternally();
    void ReplayTo(LONG wanted);

    BYTE header[128] = {}; // as stored, little-endian
    mBitmap* frameBitmap = nullptr;
    FrameOpaqueBounds opaqueBounds;
    LONG decodedFrame = -1;
    LONG firstFrameOffset = 0;
    LONG secondFrameOffset = 0;
    BOOL internalDecode = FALSE;
    BOOL automaticKeyColour = TRUE;
};
