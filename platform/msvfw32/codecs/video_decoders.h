// The video decoders behind the compression manager: pure functions from one compressed
// frame in memory to an 8-bit frame. They read only [data, data + size) and write only the
// frame's width x height pixels, whatever the data says; data that ends early leaves the rest
// of the frame as it was (delta frames rely on untouched pixels keeping the last frame).
#pragma once
#include <cstddef>

#include "platform/win32.h"

namespace platform::vfw {

struct CompressedFrame {
    const BYTE* data;
    size_t size;
    bool topDown; // rows stored from the top (uncompressed frames only)
};

// Rows counted from the bottom, the order every format here stores them in.
struct VideoCanvas {
    BYTE* bottomRow;
    ptrdiff_t rowStep; // from a row to the one above it on screen
    LONG width;
    LONG height;

    BYTE* Row(LONG fromBottom) const { return bottomRow + fromBottom * rowStep; }
};

typedef void (*VideoDecoder)(const CompressedFrame& in, const VideoCanvas& frame);

// Bytes per stored row of an 8-bit DIB.
inline size_t DibStride(LONG width) {
    return (size_t(width) + 3) & ~size_t(3);
}

void DecodeRle8(const CompressedFrame& in, const VideoCanvas& frame);
void DecodeVideo1(const CompressedFrame& in, const VideoCanvas& frame);
void DecodeUncompressed(const CompressedFrame& in, const VideoCanvas& frame);

} // namespace platform::vfw
