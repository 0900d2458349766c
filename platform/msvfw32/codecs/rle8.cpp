// Run-length encoded 8-bit frames (BI_RLE8): runs, literal strings, line ends and position
// deltas, bottom row first. Pixels a delta or a line end passes over keep the last frame.
#include <algorithm>
#include <cstring>

#include "platform/msvfw32/codecs/video_decoders.h"

namespace platform::vfw {
namespace {

// Moves a coordinate forward but never past limit: everything beyond is off the frame, and
// the clamp keeps long runs of deltas from overflowing.
LONG Advance(LONG at, size_t by, LONG limit) {
    return by >= size_t(limit - at) ? limit : at + LONG(by);
}

void FillRun(const VideoCanvas& frame, LONG x, LONG y, size_t count, BYTE value) {
    if (y >= frame.height || x >= frame.width) return;
    std::memset(frame.Row(y) + x, value, std::min(count, size_t(frame.width - x)));
}

void CopyRun(const VideoCanvas& frame, LONG x, LONG y, const BYTE* source, size_t count) {
    if (y >= frame.height || x >= frame.width) return;
    std::memcpy(frame.Row(y) + x, source, std::min(count, size_t(frame.width - x)));
}

} // namespace

void DecodeRle8(const CompressedFrame& in, const VideoCanvas& frame) {
    const BYTE* p = in.data;
    const BYTE* end = in.data + in.size;
    LONG x = 0, y = 0;
    while (end - p >= 2 && y < frame.height) {
        BYTE count = p[0], code = p[1];
        p += 2;
        if (count != 0) {
            FillRun(frame, x, y, count, code);
            x = Advance(x, count, frame.width);
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (end - p < 2) return;
            x = Advance(x, p[0], frame.width);
            y = Advance(y, p[1], frame.height);
            p += 2;
        } else {
            size_t present = std::min(size_t(code), size_t(end - p));
            CopyRun(frame, x, y, p, present);
            x = Advance(x, code, frame.width);
            // Literal strings are padded to a whole word.
            p += std::min(size_t(code + (code & 1)), size_t(end - p));
        }
    }
}

} // namespace platform::vfw
