// Video 1 in its 8-bit form: 4 x 4 blocks from the bottom-left corner, left to right, then
// upwards. Each block is skipped (kept from the last frame), one colour, two colours chosen
// by a 16-bit mask, or two colours per 2 x 2 quarter; mask bit 0 is the block's bottom-left
// pixel and a set bit picks the first colour of its pair.
#include <cstring>

#include "platform/msvfw32/codecs/video_decoders.h"

namespace platform::vfw {
namespace {

struct BlockReader {
    const BYTE* p;
    const BYTE* end;

    bool Has(ptrdiff_t n) const { return end - p >= n; }
};

void FillBlock(const VideoCanvas& frame, LONG left, LONG bottom, BYTE colour) {
    for (LONG row = 0; row < 4; ++row)
        std::memset(frame.Row(bottom + row) + left, colour, 4);
}

// colours holds pairs; quarter(row, column) gives the pair index of each pixel.
template <typename Quarter>
void PaintMask(const VideoCanvas& frame, LONG left, LONG bottom, unsigned mask, const BYTE* colours,
               Quarter quarter) {
    for (LONG row = 0; row < 4; ++row) {
        BYTE* out = frame.Row(bottom + row) + left;
        for (LONG column = 0; column < 4; ++column, mask >>= 1)
            out[column] = colours[quarter(row, column) * 2 + ((mask & 1) ^ 1)];
    }
}

// Returns the blocks still to skip after this one, or -1 when the data has run out.
LONG DecodeBlock(BlockReader& in, const VideoCanvas& frame, LONG left, LONG bottom) {
    if (!in.Has(2)) return -1;
    BYTE low = in.p[0], high = in.p[1];
    in.p += 2;
    unsigned mask = unsigned(high) << 8 | low;
    if ((high & 0xFC) == 0x84) return LONG(mask - 0x8400) - 1; // a skip counts this block
    if (high < 0x80) {
        if (!in.Has(2)) return -1;
        PaintMask(frame, left, bottom, mask, in.p, [](LONG, LONG) { return 0; });
        in.p += 2;
    } else if (high >= 0x90) {
        if (!in.Has(8)) return -1;
        PaintMask(frame, left, bottom, mask, in.p,
                  [](LONG row, LONG column) { return (row & 2) + (column >> 1); });
        in.p += 8;
    } else {
        FillBlock(frame, left, bottom, low);
    }
    return 0;
}

} // namespace

void DecodeVideo1(const CompressedFrame& in, const VideoCanvas& frame) {
    BlockReader reader{in.data, in.data + in.size};
    LONG skip = 0;
    // Columns and rows beyond the last whole block are not coded.
    for (LONG bottom = 0; bottom + 4 <= frame.height; bottom += 4) {
        for (LONG left = 0; left + 4 <= frame.width; left += 4) {
            if (skip > 0) {
                --skip;
                continue;
            }
            skip = DecodeBlock(reader, frame, left, bottom);
            if (skip < 0) return;
        }
    }
}

} // namespace platform::vfw
