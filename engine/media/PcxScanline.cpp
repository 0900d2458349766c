#include "engine/media/PictureDecoders.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr BYTE runCode = 0xC0;

// Codes while two bytes are at hand, so neither kind can read past the data: the common
// case, without asking the reader per byte. Returns the column reached.
LONG DecodeAtHand(FlicReader& in, BYTE* line, LONG at, LONG length) {
    const BYTE* p = in.cursor;
    const BYTE* end = in.End();
    while (at < length && end - p >= 2) {
        BYTE code = *p++;
        if (code < runCode) {
            line[at++] = code;
            continue;
        }
        LONG count = std::min<LONG>(code & 0x3F, length - at);
        std::memset(line + at, *p++, size_t(count));
        at += count;
    }
    in.cursor = p;
    return at;
}

} // namespace

bool DecodePcxScanline(FlicReader& in, BYTE* line, LONG length) {
    LONG at = DecodeAtHand(in, line, 0, length);
    while (at < length) {
        // Near the end of the bytes at hand: one code at a time, then the quick way again.
        if (!in.Need(2) && !in.Need(1)) return false;
        if (in.Has(2)) {
            at = DecodeAtHand(in, line, at, length);
            continue;
        }
        BYTE code = in.U8();
        if (code >= runCode) return false; // a run without its value: the data ends here
        line[at++] = code;
    }
    return true;
}
