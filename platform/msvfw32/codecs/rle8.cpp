// Run-length encoded 8-bit frames (BI_RLE8): runs, literal strings, line ends and position
// deltas, bottom row first. Pixels a delta or a line end passes over keep the last frame.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/msvfw32/codecs/video_decoders.h"

namespace platform::vfw {
namespace {

// Moves a coordinate forward but never past limit: everything beyond is off the frame, and
// the clamp keeps long runs of deltas from overflowing.
LONG Advance(LONG at, size_t by, LONG limit) {
    return by >= size_t(limit - at) ? limit : at + LONG(by);
}

// Runs and literal strings are mostly a few pixels long, too short for a call to memset or
// memcpy to pay: they are written as 8-byte words (the last one overlapping the one
// before), or below eight bytes as one 4-, 2- and 1-byte piece each as the length needs.
// at(offset, word) gives the bytes to put at offset.
template <class Source> void PutPixels(BYTE* out, size_t n, Source at) {
    auto put = [&](size_t offset, auto word) {
        word = at(offset, word);
        std::memcpy(out + offset, &word, sizeof word);
    };
    if (n >= 8) {
        for (size_t offset = 0; offset + 8 < n; offset += 8)
            put(offset, uint64_t{});
        put(n - 8, uint64_t{});
        return;
    }
    size_t offset = 0;
    if (n & 4) put(offset, uint32_t{}), offset += 4;
    if (n & 2) put(offset, uint16_t{}), offset += 2;
    if (n & 1) put(offset, BYTE{});
}

void FillPixels(BYTE* out, BYTE value, size_t n) {
    const uint64_t eight = value * 0x0101010101010101ull;
    PutPixels(out, n, [eight](size_t, auto word) { return decltype(word)(eight); });
}

void CopyPixels(BYTE* out, const BYTE* source, size_t n) {
    PutPixels(out, n, [source](size_t offset, auto word) {
        std::memcpy(&word, source + offset, sizeof word);
        return word;
    });
}

} // namespace

// Codes are read row by row, so a row's address is worked out once rather than per code.
void DecodeRle8(const CompressedFrame& in, const VideoCanvas& frame) {
    const BYTE* p = in.data;
    const BYTE* end = in.data + in.size;
    const LONG width = frame.width, height = frame.height;
    LONG x = 0, y = 0;
    while (y < height) {
        BYTE* row = frame.Row(y);
        for (bool sameRow = true; sameRow;) {
            if (end - p < 2) return;
            const BYTE count = p[0], code = p[1];
            p += 2;
            if (count != 0) {
                const LONG n = std::min(LONG(count), width - x);
                FillPixels(row + x, code, size_t(n));
                x += n;
            } else if (code == 0) {
                x = 0;
                ++y;
                sameRow = false;
            } else if (code == 1) {
                return;
            } else if (code == 2) {
                if (end - p < 2) return;
                x = Advance(x, p[0], width);
                y = Advance(y, p[1], height);
                sameRow = p[1] == 0;
                p += 2;
            } else {
                const size_t present = std::min(size_t(code), size_t(end - p));
                CopyPixels(row + x, p, std::min(present, size_t(width - x)));
                x = Advance(x, code, width);
                // Literal strings are padded to a whole word.
                p += std::min(size_t(code + (code & 1)), size_t(end - p));
            }
        }
    }
}

} // namespace platform::vfw
