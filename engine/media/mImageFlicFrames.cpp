#include "engine/gfx/mBitmap.h"
#include "engine/media/FlicDecoders.h"
#include "engine/media/mImageFlic.h"

#include <algorithm>
#include <cstdint>

LONG mImageFlic::Draw(LONG x, LONG y, const RECT* clip) {
    if (format.typeTag == 0 && !ReadHeader()) return -1;
    if (!frameBitmap) return -1;
    if (!internalDecode) playback.paletteChanged = FALSE;
    if (playback.currentFrame != decodedFrame && !DecodeFrameAtStream()) return -1;
    if (playback.autoAdvance && !internalDecode && playback.currentFrame + 1 < format.frameCount)
        ++playback.currentFrame;
    if (!internalDecode && target) DrawFrameOntoTarget(*frameBitmap, x, y, clip);
    return decodedFrame;
}

bool mImageFlic::DecodeFrameAtStream() {
    StreamState* stream = State();
    playback.changed = RECT{playback.width, playback.height, 0, 0};
    if (Require(flic::kFrameHeaderSize) < flic::kFrameHeaderSize ||
        Little16(stream->current + 4) != flic::kFrameType) {
        // A frame cut short by the end of the data is as bad as a wrong type.
        Error(classImageFlic, errBadFrameHeader, stream->fileName);
        return false;
    }
    playback.frameDataSize = LONG(Little32(stream->current));
    LONG subChunks = Little16(stream->current + 6);
    stream->current += flic::kFrameHeaderSize;
    stream->position = stream->bufferOffset + LONG(stream->current - stream->bufferStart);
    bool coloursChanged = DecodeSubChunks(subChunks);
    if (coloursChanged && playback.remap && target)
        // The decoders write the colour table directly, unseen by the bitmap's map.
        colourMapResult = frameBitmap->BuildColourMap(target);
    decodedFrame = playback.currentFrame;
    if (automaticKeyColour) {
        BOOL transparent = playback.transparent;
        ApplyKeyColour(frameBitmap->info->topRow[0]);
        SetTransparent(transparent);
    }
    opaqueBounds.Record(decodedFrame, *frameBitmap->info, BYTE(frameBitmap->info->keyColour));
    return true;
}

bool mImageFlic::DecodeSubChunks(LONG count) {
    StreamState* stream = State();
    bool coloursChanged = false;
    for (LONG i = 0; i < count; ++i) {
        if (Require(flic::kChunkHeaderSize) < flic::kChunkHeaderSize) break;
        int64_t start = stream->bufferOffset + (stream->current - stream->bufferStart);
        DWORD size = Little32(stream->current);
        WORD type = Little16(stream->current + 4);
        // A size that does not even cover its own header would have the frame read the
        // same bytes again; it ends the frame like data that runs out.
        int64_t next = start + (type == flic::kBlack ? flic::kChunkHeaderSize : int64_t(size));
        if (next < start + flic::kChunkHeaderSize || next > INT32_MAX) break;
        stream->current += flic::kChunkHeaderSize;
        coloursChanged |= DecodeSubChunk(type);
        if (Seek(LONG(next), 0) < 0) break;
    }
    return coloursChanged;
}

bool mImageFlic::DecodeSubChunk(WORD type) {
    FlicReader in(*this);
    const mBitmapInfo* bits = frameBitmap->info;
    FlicCanvas frame{bits->topRow, bits->pitch, playback.width, playback.height};
    switch (type) {
    case flic::kColour256:
    case flic::kColour64:
        DecodeFlicColours(in, bits->colours, type == flic::kColour64 ? 2 : 0);
        if (!playback.remap) playback.paletteChanged = TRUE;
        return true;
    case flic::kDeltaFlc:
        DecodeFlicDeltaFlc(in, frame, playback.changed);
        break;
    case flic::kDeltaFli:
        DecodeFlicDeltaFli(in, frame, playback.changed);
        break;
    case flic::kBlack:
        DecodeFlicBlack(frame, playback.changed);
        break;
    case flic::kByteRun:
        DecodeFlicByteRun(in, frame, playback.changed);
        break;
    case flic::kFliCopy:
        Warning(classImageFlic, errNotTested, "LITERAL");
        DecodeFlicCopy(in, frame, playback.changed);
        break;
    case flic::kStamp:
        break;
    default:
        Warning(classImageFlic, errBadChunkType, State()->fileName);
        break;
    }
    return false;
}

void mImageFlic::DecodeInternally() {
    BOOL outer = internalDecode;
    internalDecode = TRUE;
    Draw(0, 0, nullptr);
    internalDecode = outer;
}

LONG mImageFlic::SeekFrame(LONG n, LONG whence) {
    int64_t frame = whence == 1   ? int64_t(decodedFrame) + n
                    : whence == 2 ? int64_t(format.frameCount) - n
                                  : n;
    if (frame >= format.frameCount || !frameBitmap) return playback.currentFrame;
    // Any frame before the first is the first.
    LONG wanted = LONG(std::max<int64_t>(frame, 0));
    if (wanted == decodedFrame) {
        playback.currentFrame = wanted;
        return wanted;
    }
    if (wanted == decodedFrame + 1) {
        playback.currentFrame = wanted;
        DecodeInternally();
        return wanted;
    }
    if (wanted == 0 && decodedFrame == format.frameCount - 1) {
        // The ring frame follows the last frame and turns it back into the first.
        playback.currentFrame = 0;
        DecodeInternally();
        Seek(secondFrameOffset, 0);
        return 0;
    }
    ReplayTo(wanted);
    return 0;
}

// Decodes up to the frame before the wanted one, from the decoded frame when it lies
// before it, else from the first frame; the wanted frame is left to the next Draw.
void mImageFlic::ReplayTo(LONG wanted) {
    LONG frame = decodedFrame;
    if (decodedFrame >= wanted) {
        frame = -1;
        Seek(firstFrameOffset, 0);
    }
    BOOL outer = internalDecode;
    internalDecode = TRUE;
    // A broken frame would fail the same way at every step.
    for (playback.currentFrame = frame + 1; playback.currentFrame < wanted; ++playback.currentFrame)
        if (!DecodeFrameAtStream()) break;
    internalDecode = outer;
    playback.currentFrame = wanted;
    decodedFrame = wanted - 1;
    playback.changed = RECT{0, 0, playback.width, playback.height};
}
