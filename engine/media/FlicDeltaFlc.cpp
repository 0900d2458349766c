#include "engine/media/FlicDecoders.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Repeats the pair (first, second) from destination on, whatever its alignment: the
// pattern is laid down relative to the destination, eight bytes per store.
void FillPairs(BYTE* destination, BYTE first, BYTE second, size_t pairs) {
    const BYTE pattern[8] = {first, second, first, second, first, second, first, second};
    size_t bytes = pairs * 2;
    size_t i = 0;
    for (; i + 8 <= bytes; i += 8)
        std::memcpy(destination + i, pattern, 8);
    std::memcpy(destination + i, pattern, bytes - i);
}

// Reads the words in front of a line's packets: row skips and the odd-width last pixel.
// The first skip word met before the first line's packet count lowers the top. Returns the
// line's packet count, -1 when the data ends.
LONG ReadLineWords(FlicReader& in, const FlicCanvas& frame, LONG& row, bool firstLine,
                   RECT& changed) {
    bool skipSeen = false;
    for (;;) {
        if (!in.Need(2)) return -1;
        SHORT word = in.S16();
        switch (WORD(word) & 0xC000) {
        case 0xC000:
            if (firstLine && !skipSeen)
                changed.top = std::min<LONG>(changed.top, std::min<LONG>(-word, frame.height));
            skipSeen = true;
            // Any row past the last is as good as another; capping keeps the sum bounded.
            row = std::min<LONG>(row - word, frame.height);
            break;
        case 0x8000:
            if (row < frame.height && frame.width > 0) {
                frame.Row(row)[frame.width - 1] = BYTE(word);
                changed.right = frame.width;
            }
            break;
        default:
            if (firstLine && !skipSeen) changed.top = std::min<LONG>(changed.top, 0);
            return word;
        }
    }
}

// A packet takes at most 2 + 2 x 128 bytes.
constexpr size_t largestPacket = 258;

LONG PacketBytes(LONG count) {
    return 2 * (count < 0 ? -count : count);
}

// Most packets are a few pairs: they are written as one 16-byte block that keeps the
// destination's bytes past the packet, so no branch depends on the packet's length.
constexpr LONG blockBytes = 16;
struct Block {
    uint64_t half[2];
};

Block LoadBlock(const BYTE* bytes) {
    Block block;
    std::memcpy(&block, bytes, sizeof block);
    return block;
}

// blockBytes ones, then blockBytes zeros: the block at keepFirst + blockBytes - n selects
// the first n bytes.
constexpr BYTE keepFirst[2 * blockBytes] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

void StoreFirst(BYTE* destination, const Block& source, LONG n) {
    Block kept = LoadBlock(destination);
    Block mask = LoadBlock(keepFirst + blockBytes - n);
    for (int i = 0; i < 2; ++i)
        kept.half[i] = (kept.half[i] & ~mask.half[i]) | (source.half[i] & mask.half[i]);
    std::memcpy(destination, &kept, sizeof kept);
}

// A packet's pixels as a block: the literal pairs, or the run's pair repeated.
Block PacketBlock(const BYTE* data, bool run) {
    uint16_t pair;
    std::memcpy(&pair, data, sizeof pair);
    uint64_t repeated = pair * 0x0001000100010001u;
    Block literal = LoadBlock(data);
    return run ? Block{{repeated, repeated}} : literal;
}

// Decodes packets while a largest packet is at hand, so that no read needs a check. Moves
// the reader and column past them; returns the packets left, -1 when malformed.
LONG DecodePacketsAtHand(FlicReader& in, BYTE* pixels, LONG width, LONG packets, LONG& column) {
    const BYTE* cursor = in.cursor;
    const BYTE* end = in.End();
    // A block read over the last block's store waits for it: a literal that close behind it
    // is moved instead, which costs less; a run still saves the fill's call.
    LONG blockEnd = 0;
    for (; packets > 0 && size_t(end - cursor) >= largestPacket; --packets) {
        column += cursor[0];
        LONG count = static_cast<signed char>(cursor[1]);
        bool run = count < 0;
        LONG bytes = PacketBytes(count);
        const BYTE* data = cursor + 2;
        if (bytes <= blockBytes && (run || column >= blockEnd) && column + blockBytes <= width) {
            StoreFirst(pixels + column, PacketBlock(data, run), bytes);
            blockEnd = column + blockBytes;
        } else if (column + bytes > width) {
            in.cursor = data;
            return -1;
        } else if (run) {
            FillPairs(pixels + column, data[0], data[1], size_t(-count));
        } else {
            MoveShort(pixels + column, data, size_t(bytes));
        }
        cursor = run ? data + 2 : data + bytes;
        column += bytes;
    }
    in.cursor = cursor;
    return packets;
}

// The same for packets near the end of the bytes at hand, each read asked for.
bool DecodePacketsChecked(FlicReader& in, BYTE* pixels, LONG width, LONG packets, LONG& column) {
    for (; packets > 0; --packets) {
        if (!in.Need(2)) return false;
        column += in.U8();
        LONG count = in.S8();
        LONG bytes = PacketBytes(count);
        if (column + bytes > width) return false;
        if (count >= 0) {
            if (!in.CopyTo(pixels + column, size_t(bytes))) return false;
        } else {
            if (!in.Need(2)) return false;
            BYTE first = in.U8();
            FillPairs(pixels + column, first, in.U8(), size_t(-count));
        }
        column += bytes;
    }
    return true;
}

// Returns the column the line ends at, -1 when malformed.
LONG DecodeLinePackets(FlicReader& in, const FlicCanvas& frame, LONG row, LONG packets,
                       RECT& changed) {
    if (packets <= 0) {
        changed.left = std::min<LONG>(changed.left, 0);
        return 0;
    }
    if (row >= frame.height || !in.Need(2)) return -1;
    changed.left = std::min<LONG>(changed.left, in.Peek());
    BYTE* pixels = frame.Row(row);
    LONG column = 0;
    packets = DecodePacketsAtHand(in, pixels, frame.width, packets, column);
    if (packets < 0 || !DecodePacketsChecked(in, pixels, frame.width, packets, column)) return -1;
    return column;
}

} // namespace

void DecodeFlicDeltaFlc(FlicReader& in, const FlicCanvas& frame, RECT& changed) {
    if (!in.Need(2)) return;
    LONG lines = in.U16();
    LONG row = 0;
    for (LONG line = 0; line < lines; ++line) {
        LONG packets = ReadLineWords(in, frame, row, line == 0, changed);
        if (packets < 0) return;
        LONG end = DecodeLinePackets(in, frame, row, packets, changed);
        if (end < 0) return;
        changed.right = std::max(changed.right, end);
        row = std::min(row + 1, frame.height);
        changed.bottom = std::max(changed.bottom, row);
    }
}
