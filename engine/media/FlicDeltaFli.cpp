#include "engine/media/FlicDecoders.h"

#include <algorithm>

namespace {

// Decodes one line's packets; returns the column the line ends at, -1 when malformed.
LONG DecodeLine(FlicReader& in, BYTE* pixels, LONG width, LONG packets) {
    LONG column = 0;
    for (LONG packet = 0; packet < packets; ++packet) {
        if (!in.Need(2)) return -1;
        column += in.U8();
        LONG count = in.S8();
        if (count > 0) {
            if (column + count > width || !in.CopyTo(pixels + column, size_t(count))) return -1;
            column += count;
        } else {
            if (!in.Need(1) || column - count > width) return -1;
            std::memset(pixels + column, in.U8(), size_t(-count));
            column -= count;
        }
    }
    return column;
}

} // namespace

void DecodeFlicDeltaFli(FlicReader& in, const FlicCanvas& frame, RECT& changed) {
    if (!in.Need(4)) return;
    LONG row = in.S16();
    LONG lines = in.S16();
    if (lines <= 0) return;
    changed.top = std::min(changed.top, std::clamp<LONG>(row, 0, frame.height));
    changed.bottom = std::max(changed.bottom, std::clamp<LONG>(row + lines, 0, frame.height));
    for (LONG line = 0; line < lines; ++line, ++row) {
        if (!in.Need(1)) return;
        LONG packets = in.U8();
        if (packets == 0) continue;
        if (row < 0 || row >= frame.height || !in.Need(1)) return;
        changed.left = std::min<LONG>(changed.left, in.Peek());
        LONG end = DecodeLine(in, frame.Row(row), frame.width, packets);
        if (end < 0) return;
        changed.right = std::max(changed.right, end);
    }
}
