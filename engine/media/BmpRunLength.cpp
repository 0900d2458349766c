#include "engine/media/PictureDecoders.h"

#include <algorithm>

// A picture is mostly short runs (a photo-like picture has one about every two pixels), so
// the work per code is kept small: each row is clipped once when it starts, and a row that
// the window holds whole is written without any clipping per run.
namespace {

enum Escape : BYTE { endOfLine = 0, endOfPicture = 1, delta = 2 };

// Moves a coordinate forward but never past limit: columns past the width are never drawn,
// and holding the coordinate there keeps it from growing without bound on data that runs on.
LONG Advance(LONG at, LONG by, LONG limit) {
    return by >= limit - at ? limit : at + by;
}

size_t LiteralBytes8(BYTE count) {
    return count + (count & 1u);
}

// Absolute runs of 4-bit pixels: two to a byte, the bytes padded to a 16-bit boundary.
size_t LiteralBytes4(BYTE count) {
    return LiteralBytes8(BYTE((count + 1u) / 2));
}

BYTE Nibble(BYTE pair, LONG i) {
    return (i & 1) ? BYTE(pair & 15) : BYTE(pair >> 4);
}

// A row that the window holds whole: image column 0 is at pixels.
struct WholeRow8 {
    BYTE* pixels;
    LONG width;

    // The width is at most the target's, so a column plus a count cannot overflow.
    LONG Run(LONG column, BYTE count, BYTE value) const {
        const LONG next = std::min(column + count, width);
        FillShort(pixels + column, value, size_t(next - column));
        return next;
    }
    LONG Literal(LONG column, const BYTE* source, BYTE count) const {
        const LONG next = std::min(column + count, width);
        CopyShort(pixels + column, source, size_t(next - column));
        return next;
    }
    static size_t LiteralBytes(BYTE count) { return LiteralBytes8(count); }
};

// A row of which the window shows columns [left, right), column left being at pixels.
struct ClippedRow {
    BYTE* pixels;
    LONG left, right, width;

    // The visible columns [first, last) of count pixels from column on; false when none are.
    bool Clip(LONG column, LONG next, LONG& first, LONG& last) const {
        first = std::max(column, left);
        last = std::min(next, right);
        return first < last;
    }
    void Fill(LONG column, LONG next, BYTE value) const {
        LONG first, last;
        if (Clip(column, next, first, last))
            FillShort(pixels + (first - left), value, size_t(last - first));
    }
};

struct ClippedRow8 : ClippedRow {
    LONG Run(LONG column, BYTE count, BYTE value) const {
        const LONG next = Advance(column, count, width);
        Fill(column, next, value);
        return next;
    }
    LONG Literal(LONG column, const BYTE* source, BYTE count) const {
        const LONG next = Advance(column, count, width);
        LONG first, last;
        if (Clip(column, next, first, last))
            CopyShort(pixels + (first - left), source + (first - column), size_t(last - first));
        return next;
    }
    static size_t LiteralBytes(BYTE count) { return LiteralBytes8(count); }
};

struct ClippedRow4 : ClippedRow {
    LONG Run(LONG column, BYTE count, BYTE value) const {
        const LONG next = Advance(column, count, width);
        for (LONG i = 0; column + i < next; ++i)
            Fill(column + i, column + i + 1, Nibble(value, i));
        return next;
    }
    LONG Literal(LONG column, const BYTE* source, BYTE count) const {
        const LONG next = Advance(column, count, width);
        for (LONG i = 0; column + i < next; ++i)
            Fill(column + i, column + i + 1, Nibble(source[i / 2], i));
        return next;
    }
    static size_t LiteralBytes(BYTE count) { return LiteralBytes4(count); }
};

// A row outside the window: the codes are only followed.
template <size_t (*literalBytes)(BYTE)> struct HiddenRow {
    LONG width;

    LONG Run(LONG column, BYTE count, BYTE) const { return Advance(column, count, width); }
    LONG Literal(LONG column, const BYTE*, BYTE count) const {
        return Advance(column, count, width);
    }
    static size_t LiteralBytes(BYTE count) { return literalBytes(count); }
};

struct Position {
    LONG column = 0;
    LONG fileRow = 0;
};

// Decodes codes until the row changes; false when the picture ends (its end code, or the
// data ends). The reader's bytes, the row and the column are held in locals, so the pixel
// stores (which may alias anything) do not make the compiler reload them per code.
template <class Row> bool DecodeRow(FlicReader& in, const Row& shared, Position& at, LONG height) {
    const Row row = shared;
    LONG column = at.column;
    const BYTE* p = in.cursor;
    const BYTE* end = in.End();
    auto need = [&](size_t n) {
        if (size_t(end - p) >= n) return true;
        in.cursor = p;
        if (!in.Need(n)) return false;
        p = in.cursor;
        end = in.End();
        return true;
    };
    auto leave = [&](bool more) {
        in.cursor = p;
        at.column = column;
        return more;
    };
    while (need(2)) {
        const BYTE count = p[0], code = p[1];
        p += 2;
        if (count > 0) {
            column = row.Run(column, count, code);
        } else if (code == endOfLine) {
            column = 0;
            ++at.fileRow;
            return leave(true);
        } else if (code == endOfPicture) {
            return leave(false);
        } else if (code == delta) {
            if (!need(2)) return leave(false);
            column = Advance(column, p[0], row.width);
            const BYTE up = p[1];
            p += 2;
            if (up > 0) {
                at.fileRow = Advance(at.fileRow, up, height);
                return leave(true);
            }
        } else {
            const size_t bytes = Row::LiteralBytes(code);
            if (!need(bytes)) return leave(false);
            column = row.Literal(column, p, code);
            p += bytes;
        }
    }
    return leave(false);
}

template <class Row, size_t (*literalBytes)(BYTE)>
bool DecodeVisibleOrHidden(FlicReader& in, const Row& row, bool visible, Position& at,
                           LONG height) {
    return visible ? DecodeRow(in, row, at, height)
                   : DecodeRow(in, HiddenRow<literalBytes>{row.width}, at, height);
}

// The row's clipping, and the decode of its codes.
bool DecodeRowAt(FlicReader& in, const PictureWindow& window, LONG width, LONG height, bool nibbles,
                 Position& at) {
    const LONG row = height - 1 - at.fileRow;
    const RECT& visible = window.visible;
    const bool shown = window.HasRow(row);
    BYTE* pixels = shown ? window.At(row, visible.left) : nullptr;
    const ClippedRow clipped{pixels, visible.left, visible.right, width};
    if (nibbles)
        return DecodeVisibleOrHidden<ClippedRow4, LiteralBytes4>(in, {clipped}, shown, at, height);
    if (visible.left == 0 && visible.right == width)
        return DecodeVisibleOrHidden<WholeRow8, LiteralBytes8>(in, {pixels, width}, shown, at,
                                                               height);
    return DecodeVisibleOrHidden<ClippedRow8, LiteralBytes8>(in, {clipped}, shown, at, height);
}

} // namespace

void DecodeBmpRunLength(FlicReader& in, const PictureWindow& window, LONG width, LONG height,
                        bool nibbles) {
    if (window.Empty()) return;
    Position at;
    while (at.fileRow < height && DecodeRowAt(in, window, width, height, nibbles, at)) {
    }
}
