#include "engine/media/FlicDecoders.h"

#include <algorithm>
#include <cstdint>

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

// Decodes a line's packets from in (a reader or a span); returns the column the line ends
// at, -1 when malformed.
template <typename Bytes>
LONG DecodePackets(Bytes& in, BYTE* pixels, LONG width, LONG packets, RECT& changed) {
    LONG column = 0;
    for (LONG packet = 0; packet < packets; ++packet) {
        if (!in.Need(2)) return -1;
        column += in.U8();
        if (packet == 0) changed.left = std::min(changed.left, column);
        LONG count = in.S8();
        LONG bytes = 2 * (count < 0 ? -count : count);
        if (column + bytes > width) return -1;
        if (count >= 0) {
            if (!in.CopyTo(pixels + column, size_t(bytes))) return -1;
        } else {
            if (!in.Need(2)) return -1;
            BYTE first = in.U8();
            FillPairs(pixels + column, first, in.U8(), size_t(-count));
        }
        column += bytes;
    }
    return column;
}

LONG DecodeLinePackets(FlicReader& in, const FlicCanvas& frame, LONG row, LONG packets,
                       RECT& changed) {
    if (packets <= 0) {
        changed.left = std::min<LONG>(changed.left, 0);
        return 0;
    }
    if (row >= frame.height) return -1;
    if (!in.Has(size_t(packets) * largestPacket))
        return DecodePackets(in, frame.Row(row), frame.width, packets, changed);
    FlicSpan span(in.cursor);
    LONG end = DecodePackets(span, frame.Row(row), frame.width, packets, changed);
    in.cursor = span.cursor;
    return end;
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
