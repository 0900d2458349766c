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
// memcpy to pay: below eight they are written as two words of the largest size that fits,
// the second ending at the last pixel (so the two overlap), from eight on as 8-byte words,
// the last of them ending there. at(offset, word) gives the bytes to put at offset.
template <class Source> void PutPixels(BYTE* out, size_t n, Source at) {
    auto put = [&](size_t offset, auto word) {
        word = at(offset, word);
        std::memcpy(out + offset, &word, sizeof word);
    };
    auto firstAndLast = [&](auto word) {
        put(0, word);
        put(n - sizeof word, word);
    };
    if (n < 4) {
        if (n >= 2)
            firstAndLast(uint16_t{});
        else if (n == 1)
            put(0, BYTE{});
    } else if (n < 8) {
        firstAndLast(uint32_t{});
    } else {
        for (size_t offset = 0; offset + 8 < n; offset += 8)
            put(offset, uint64_t{});
        put(n - 8, uint64_t{});
    }
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

// Codes are read row by row: within a row the pixels are addressed through one pointer
// and the row's end, so a code costs a few instructions beside its pixels.
void DecodeRle8(const CompressedFrame& in, const VideoCanvas& frame) {
    if (in.size < 2) return;
    const BYTE* p = in.data;
    const BYTE* const end = in.data + in.size;
    const BYTE* const lastCode = end - 2; // the last place a whole code can start
    const LONG width = frame.width, height = frame.height;
    LONG x = 0, y = 0;
    while (y < height) {
        BYTE* const row = frame.Row(y);
        BYTE* const rowEnd = row + width;
        BYTE* out = row + x;
        for (;;) {
            if (p > lastCode) return;
            const BYTE count = p[0], code = p[1];
            p += 2;
            if (count != 0) {
                const size_t n = std::min(size_t(count), size_t(rowEnd - out));
                FillPixels(out, code, n);
                out += n;
            } else if (code > 2) {
                const size_t room = size_t(rowEnd - out);
                CopyPixels(out, p, std::min({size_t(code), size_t(end - p), room}));
                out += std::min(size_t(code), room);
                // Literal strings are padded to a whole word.
                p += std::min(size_t(code + (code & 1)), size_t(end - p));
            } else if (code == 0) {
                x = 0;
                ++y;
                break;
            } else if (code == 1) {
                return;
            } else {
                if (p > lastCode) return;
                out += std::min(size_t(p[0]), size_t(rowEnd - out));
                const BYTE up = p[1];
                p += 2;
                if (up != 0) {
                    x = LONG(out - row);
                    y = Advance(y, up, height);
                    break;
                }
            }
        }
    }
}

} // namespace platform::vfw
