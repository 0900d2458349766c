#include "engine/media/FlicDecoders.h"

namespace {

// Decodes one BYTE_RUN row; false when malformed.
bool DecodeRunRow(FlicReader& in, BYTE* pixels, LONG width) {
    // The row's packet count is not trusted: the width ends the row.
    if (!in.Need(1)) return false;
    in.U8();
    LONG column = 0;
    while (column < width) {
        if (!in.Need(2)) return false;
        LONG count = in.S8();
        if (count >= 0) {
            if (column + count > width) return false;
            std::memset(pixels + column, in.U8(), size_t(count));
            column += count;
        } else {
            if (column - count > width || !in.CopyTo(pixels + column, size_t(-count))) return false;
            column -= count;
        }
    }
    return true;
}

} // namespace

void DecodeFlicBlack(const FlicCanvas& frame, RECT& changed) {
    frame.WholeFrame(changed);
    if (frame.width <= 0) return;
    for (LONG row = 0; row < frame.height; ++row)
        std::memset(frame.Row(row), 0, size_t(frame.width));
}

void DecodeFlicByteRun(FlicReader& in, const FlicCanvas& frame, RECT& changed) {
    frame.WholeFrame(changed);
    for (LONG row = 0; row < frame.height; ++row)
        if (!DecodeRunRow(in, frame.Row(row), frame.width)) return;
}

void DecodeFlicCopy(FlicReader& in, const FlicCanvas& frame, RECT& changed) {
    frame.WholeFrame(changed);
    if (frame.width <= 0) return;
    for (LONG row = 0; row < frame.height; ++row)
        if (!in.CopyTo(frame.Row(row), size_t(frame.width))) return;
}
