// Frames of the AVI image: the walk through the movie list's chunks, decompression into the
// frame bitmap, drawing, and seeking with or without the index.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/media/mImageAVI.h"

namespace {

constexpr LONG kChunkHeader = 8;
// Further ahead than this, the index is asked for a key frame to restart from.
constexpr LONG kIndexSeekDistance = 10;

DWORD Little32(const BYTE* p) {
    return DWORD(p[0]) | DWORD(p[1]) << 8 | DWORD(p[2]) << 16 | DWORD(p[3]) << 24;
}

bool IsFrameKind(WORD kind) {
    return kind == avi::kFrameBits || kind == avi::kFrameCompressed;
}

} // namespace

LONG mImageAVI::Draw(LONG x, LONG y, const RECT* clip) {
    if (!target) return -1;
    if (mImage::format.typeTag != avi::kFormAvi && !ReadHeader()) return -1;
    if (playback.currentFrame != decodedFrame && !DecodeNextFrame()) return -1;
    DrawFrameOntoTarget(frameBitmap, x, y, clip);
    if (playback.autoAdvance)
        playback.currentFrame = std::min(playback.currentFrame + 1, mImage::format.frameCount - 1);
    return decodedFrame;
}

bool mImageAVI::DecodeNextFrame() {
    // A frame after the first reports only the colours it changes itself.
    if (decodedFrame >= 0) playback.paletteChanged = FALSE;
    bool frameRead = false;
    while (!frameRead)
        if (!ReadChunk(frameRead)) return false;
    FeedFollowingSound();
    if (decompressor)
        ICDecompress(decompressor, 0, videoFormat, const_cast<BYTE*>(frameInput),
                     &frameBitmap.info->header->bmiHeader, frameBitmap.info->bits);
    else
        CopyFrame();
    decodedFrame = playback.currentFrame;
    if (decodedFrame == mImage::format.frameCount - 1) FeedTrailingSound();
    if (automaticKeyColour) {
        BOOL transparent = playback.transparent;
        ApplyKeyColour(LONG(Little32(frameBitmap.info->topRow)));
        SetTransparent(transparent);
    }
    return true;
}

// Stored rows are padded to four bytes, from the bottom unless the height is negative; a short
// frame fills the whole rows it holds and leaves the rest as they were.
void mImageAVI::CopyFrame() {
    const mBitmapInfo& frame = *frameBitmap.info;
    const size_t stride = (size_t(frame.width) + 3) & ~size_t(3);
    const LONG rows =
        LONG(std::min<size_t>(videoFormat->biSizeImage / stride, size_t(frame.height)));
    const bool topDown = videoFormat->biHeight < 0;
    for (LONG stored = 0; stored < rows; ++stored) {
        const LONG y = topDown ? stored : frame.height - 1 - stored;
        std::memcpy(frame.topRow + ptrdiff_t(y) * frame.pitch, frameInput + size_t(stored) * stride,
                    size_t(frame.width));
    }
}

// Writers that store a frame's sound after the frame would otherwise have it reach the device
// with the next frame, late by a frame all through the movie.
void mImageAVI::FeedFollowingSound() {
    bool frameRead = false;
    while (audioChunk && Require(kChunkHeader) >= kChunkHeader &&
           Little32(State()->current) == audioChunk && ReadChunk(frameRead)) {
    }
}

// Sound chunks after the last frame are fed at once, as no frame follows to bring them; then
// nothing more can come, so the sound ends when the device has played what it holds.
void mImageAVI::FeedTrailingSound() {
    bool frameRead = false;
    int64_t resume = StreamOffset();
    while (!frameRead && ReadChunk(frameRead)) {
    }
    Seek(LONG(resume), 0);
    if (!media.playing) return;
    bytesLeft = 0;
    mWaveBuffer* buffer = ring;
    do {
        if (!(buffer->header.dwFlags & WHDR_DONE)) return; // its return closes the sound
        buffer = buffer->next;
    } while (buffer != ring);
    ClosePlayback();
}

bool mImageAVI::ReadChunk(bool& frameRead) {
    if (Require(kChunkHeader) < kChunkHeader) return false;
    StreamState* stream = State();
    FOURCC id = Little32(stream->current);
    DWORD size = Little32(stream->current + 4);
    int64_t end = StreamOffset() + kChunkHeader + size + (size & 1);
    if (id == avi::kList) {
        if (Require(12) < 12) return false;
        // A record list's chunks are read as if they stood in the movie list; entering it
        // takes no nesting level, as nothing ever leaves it.
        if (Little32(stream->current + 8) == avi::kRecordList) {
            stream->current += 12;
            return true;
        }
        return SkipTo(end);
    }
    stream->current += kChunkHeader;
    if (avi::ChunkStream(id) == videoStream && IsFrameKind(avi::ChunkKind(id))) {
        if (!ReadFrameData(size)) return false;
        frameRead = true;
    } else if (avi::ChunkStream(id) == videoStream && avi::ChunkKind(id) == avi::kPaletteChange) {
        ApplyPaletteChange(size);
    } else if (id == audioChunk && media.playing && size > 0) {
        QueueBuffer(size);
        SetBuffer(nullptr, 0, 0);
    }
    // A frame cut short by the end of the data is still shown; the next one is not there.
    return SkipTo(end) || frameRead;
}

// Moves to a chunk's end; one past the data ends the movie there.
bool mImageAVI::SkipTo(int64_t end) {
    LONG size = State()->size;
    if (end > size) {
        Seek(size, 0);
        return false;
    }
    return Seek(LONG(end), 0) >= 0;
}

// A size beyond what the source still holds is cut to it, so a damaged size field cannot
// ask for gigabytes. The decompressor reads exactly the bytes read, through biSizeImage.
bool mImageAVI::ReadFrameData(DWORD size) {
    int64_t left = std::max<int64_t>(int64_t(State()->size) - StreamOffset(), 0);
    DWORD wanted = DWORD(std::min<int64_t>(size, left));
    // A movie in memory is decompressed where it lies (it stays there while the frame is
    // decoded): copying each frame first would cost about a tenth of the decoding.
    if (State()->memory && Require(LONG(wanted)) >= LONG(wanted)) {
        frameInput = State()->current;
        videoFormat->biSizeImage = wanted;
        return true;
    }
    if (!GrowFrameBuffer(wanted)) return false;
    LONG read = wanted ? Read(frameData, LONG(wanted)) : 0;
    videoFormat->biSizeImage = read > 0 ? DWORD(read) : 0;
    frameInput = frameData;
    return true;
}

bool mImageAVI::GrowFrameBuffer(DWORD size) {
    if (frameBlock && size <= frameBufferSize) return true;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, std::max<DWORD>(size, 1));
    BYTE* data = block ? static_cast<BYTE*>(GlobalLock(block)) : nullptr;
    if (!data) {
        if (block) GlobalFree(block);
        Error(classImageAVI, errOutOfMemory);
        return false;
    }
    if (frameBlock) {
        GlobalUnlock(frameBlock);
        GlobalFree(frameBlock);
    }
    frameBlock = block;
    frameData = data;
    frameBufferSize = size;
    return true;
}

// New colours for entries [first, first + count) of the frame; entries the chunk does not
// hold, or beyond 255, are left as they were.
void mImageAVI::ApplyPaletteChange(DWORD size) {
    if (size < avi::kPaletteChangeHeader || Require(LONG(std::min<DWORD>(size, 1028))) < 4) return;
    const BYTE* p = State()->current;
    int first = p[0];
    int count = p[1] ? p[1] : 256;
    count =
        std::min({count, 256 - first, int((size - 4) / 4), int((State()->dataEnd - p - 4) / 4)});
    RGBQUAD colours[256];
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = p + 4 + 4 * i;
        colours[i] = RGBQUAD{entry[2], entry[1], entry[0], 0};
    }
    if (count <= 0) return;
    // The format's colours change with the frame's, so that a decompressor mapping the one
    // into the other keeps mapping each colour to itself.
    std::memcpy(MovieColours() + first, colours, size_t(count) * sizeof(RGBQUAD));
    frameBitmap.SetColours(colours, first, count);
    if (playback.remap && target)
        colourMapResult = frameBitmap.BuildColourMap(target);
    else
        playback.paletteChanged = TRUE;
}

LONG mImageAVI::SeekFrame(LONG n, LONG whence) {
    LONG frames = mImage::format.frameCount;
    int64_t wanted = whence == 1   ? int64_t(n) + decodedFrame
                     : whence == 2 ? int64_t(frames) - n
                                   : n;
    if (wanted < 0 || wanted >= frames) return playback.currentFrame;
    n = LONG(wanted);
    if (n == decodedFrame || n == decodedFrame + 1) {
        playback.currentFrame = n;
        return n;
    }
    LONG restart = decodedFrame + 1;
    if ((mainHeader.flags & avi::kHasIndex) && n > decodedFrame + kIndexSeekDistance) {
        restart = RestartFromIndex(n);
        if (restart < 0) return 0;
    } else if (n < decodedFrame) {
        if (Seek(movieData, 0) < 0) return 0;
        restart = 0;
    }
    // Each frame on the way is decoded without drawing; the next Draw decodes frame n.
    for (playback.currentFrame = restart; playback.currentFrame < n; ++playback.currentFrame)
        if (!DecodeNextFrame()) break;
    decodedFrame = n - 1;
    playback.currentFrame = n;
    return 0;
}

LONG mImageAVI::RestartFromIndex(LONG n) {
    int64_t resume = StreamOffset();
    if (Seek(indexData, 0) < 0) return -1;
    LONG entries =
        LONG(std::max<int64_t>(
                 std::min<int64_t>(DWORD(indexSize), int64_t(State()->size) - indexData), 0) /
             16);
    LONG frame = -1, keyFrame = -1;
    DWORD keyOffset = 0;
    for (LONG i = 0; i < entries && frame < n; ++i) {
        if (Require(16) < 16) break;
        avi::IndexEntry entry;
        std::memcpy(&entry, State()->current, sizeof entry);
        State()->current += sizeof entry;
        if (avi::ChunkStream(entry.id) != videoStream || !IsFrameKind(avi::ChunkKind(entry.id)))
            continue;
        ++frame;
        if (entry.flags & avi::kKeyFrame) {
            keyFrame = frame;
            keyOffset = entry.offset;
        }
    }
    // The index ending first leaves the stream where decoding stood.
    if (frame < n) {
        Seek(LONG(resume), 0);
        return -1;
    }
    if (keyFrame >= 0 && keyFrame <= decodedFrame)
        return Seek(LONG(resume), 0) < 0 ? -1 : decodedFrame + 1;
    if (keyFrame < 0) return Seek(movieData, 0) < 0 ? -1 : 0;
    int64_t chunk = int64_t(movieData) + keyOffset - 4;
    if (chunk > State()->size || Seek(LONG(chunk), 0) < 0) return -1;
    return keyFrame;
}
