#include "engine/media/PictureDecoders.h"

#include <algorithm>

namespace {

enum Escape : BYTE { endOfLine = 0, endOfPicture = 1, delta = 2 };

BYTE Nibble(BYTE pair, LONG i) {
    return (i & 1) ? BYTE(pair & 15) : BYTE(pair >> 4);
}

// Columns past the width are never drawn; holding the column there keeps it from growing
// without bound on data that runs on.
LONG Advance(LONG column, LONG by, LONG width) {
    return std::min<LONG>(column + by, width);
}

void PutRun(const PictureWindow& window, LONG row, LONG column, LONG count, BYTE value,
            bool nibbles) {
    if (!nibbles) {
        window.Fill(row, column, count, value);
        return;
    }
    for (LONG i = 0; i < count; ++i)
        window.Fill(row, column + i, 1, Nibble(value, i));
}

void PutLiteral(const PictureWindow& window, LONG row, LONG column, const BYTE* pixels, LONG count,
                bool nibbles) {
    if (!nibbles) {
        window.Copy(row, column, pixels, count);
        return;
    }
    for (LONG i = 0; i < count; ++i)
        window.Fill(row, column + i, 1, Nibble(pixels[i / 2], i));
}

} // namespace

void DecodeBmpRunLength(FlicReader& in, const PictureWindow& window, LONG width, LONG height,
                        bool nibbles) {
    LONG column = 0, fileRow = 0;
    while (fileRow < height && in.Need(2)) {
        BYTE count = in.U8(), code = in.U8();
        LONG row = height - 1 - fileRow;
        if (count > 0) {
            PutRun(window, row, column, count, code, nibbles);
            column = Advance(column, count, width);
        } else if (code == endOfLine) {
            column = 0;
            ++fileRow;
        } else if (code == endOfPicture) {
            return;
        } else if (code == delta) {
            if (!in.Need(2)) return;
            column = Advance(column, in.U8(), width);
            fileRow += in.U8();
        } else {
            // An absolute run: code pixels, in bytes padded to a 16-bit boundary.
            size_t bytes = nibbles ? (code + 1u) / 2 : code;
            bytes += bytes & 1;
            if (!in.Need(bytes)) return;
            PutLiteral(window, row, column, in.cursor, code, nibbles);
            in.cursor += bytes;
            column = Advance(column, code, width);
        }
    }
}
