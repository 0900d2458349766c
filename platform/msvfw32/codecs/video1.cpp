// Video 1 in its 8-bit form: 4 x 4 blocks from the bottom-left corner, left to right, then
// upwards. Each block is skipped (kept from the last frame), one colour, two colours chosen
// by a 16-bit mask, or two colours per 2 x 2 quarter; mask bit 0 is the block's bottom-left
// pixel and a set bit picks the first colour of its pair.
#include <cstdint>
#include <cstring>

#include "platform/msvfw32/codecs/video_decoders.h"

namespace platform::vfw {
namespace {

struct BlockReader {
    const BYTE* p;
    const BYTE* end;

    bool Has(ptrdiff_t n) const { return end - p >= n; }
};

// A block's bottom-left pixel, and the step to the row above.
struct Block {
    BYTE* bottom;
    ptrdiff_t rowStep;

    void PutRow(LONG row, uint32_t pixels) const {
        std::memcpy(bottom + row * rowStep, &pixels, 4);
    }
};

// Each of a block's rows is one 32-bit store: the colours of its four pixels are chosen by
// byte masks, expanded from four mask bits through a table, rather than pixel by pixel.
struct RowMasks {
    uint32_t bytes[16]; // bit i of the index set: byte i all ones

    RowMasks() {
        for (unsigned bits = 0; bits < 16; ++bits) {
            BYTE row[4];
            for (unsigned i = 0; i < 4; ++i)
                row[i] = (bits >> i & 1) ? 0xFF : 0;
            std::memcpy(&bytes[bits], row, 4);
        }
    }
};

const RowMasks kRowMasks;

// Four pixels, the left two of one colour and the right two of another.
uint32_t Quad(BYTE left, BYTE right) {
    const BYTE row[4] = {left, left, right, right};
    uint32_t quad;
    std::memcpy(&quad, row, 4);
    return quad;
}

// Rows bottom to top; each row's four mask bits choose between set and clear pixel words:
// the lower two rows take the first words, the upper two the second.
void PaintRows(const Block& block, unsigned mask, const uint32_t (&set)[2],
               const uint32_t (&clear)[2]) {
    for (LONG row = 0; row < 4; ++row, mask >>= 4) {
        const uint32_t pick = kRowMasks.bytes[mask & 15];
        block.PutRow(row, (set[row >> 1] & pick) | (clear[row >> 1] & ~pick));
    }
}

void FillBlock(const Block& block, BYTE colour) {
    const uint32_t quad = Quad(colour, colour);
    for (LONG row = 0; row < 4; ++row)
        block.PutRow(row, quad);
}

// One pair of colours for the whole block.
void PaintTwoColours(const Block& block, unsigned mask, const BYTE* colours) {
    const uint32_t set = Quad(colours[0], colours[0]), clear = Quad(colours[1], colours[1]);
    PaintRows(block, mask, {set, set}, {clear, clear});
}

// A pair per 2 x 2 quarter: pairs 0 and 1 for the lower rows' left and right halves, pairs 2
// and 3 for the upper rows'.
void PaintEightColours(const Block& block, unsigned mask, const BYTE* colours) {
    PaintRows(block, mask, {Quad(colours[0], colours[2]), Quad(colours[4], colours[6])},
              {Quad(colours[1], colours[3]), Quad(colours[5], colours[7])});
}

// Returns the blocks still to skip after this one, or -1 when the data has run out.
LONG DecodeBlock(BlockReader& in, const Block& block) {
    if (!in.Has(2)) return -1;
    BYTE low = in.p[0], high = in.p[1];
    in.p += 2;
    unsigned mask = unsigned(high) << 8 | low;
    if ((high & 0xFC) == 0x84) return LONG(mask - 0x8400) - 1; // a skip counts this block
    if (high < 0x80) {
        if (!in.Has(2)) return -1;
        PaintTwoColours(block, mask, in.p);
        in.p += 2;
    } else if (high >= 0x90) {
        if (!in.Has(8)) return -1;
        PaintEightColours(block, mask, in.p);
        in.p += 8;
    } else {
        FillBlock(block, low);
    }
    return 0;
}

} // namespace

void DecodeVideo1(const CompressedFrame& in, const VideoCanvas& frame) {
    BlockReader reader{in.data, in.data + in.size};
    // Columns and rows beyond the last whole block are not coded.
    const LONG columns = frame.width / 4, rows = frame.height / 4;
    if (columns <= 0) return;
    LONG column = 0, row = 0;
    while (row < rows) {
        const LONG skip =
            DecodeBlock(reader, Block{frame.Row(row * 4) + column * 4, frame.rowStep});
        if (skip < 0) return;
        // A run of skipped blocks is passed over at once, across rows if it reaches them.
        column += skip + 1;
        if (column >= columns) {
            row += column / columns;
            column %= columns;
        }
    }
}

} // namespace platform::vfw
