// In-place reader over an image's stream for the FLIC decoders. It keeps its own cursor into
// the stream's buffer and asks the stream for more only when a field would cross the bytes
// known to be there, so a lying size or count ends the decode instead of overrunning.
#pragma once

#include "engine/media/ShortBlocks.h"
#include "platform/win32.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

class mFile;

// Little-endian fields read in place.
inline WORD Little16(const BYTE* bytes) {
    return WORD(bytes[0] | bytes[1] << 8);
}
inline DWORD Little32(const BYTE* bytes) {
    return DWORD(Little16(bytes)) | DWORD(Little16(bytes + 2)) << 16;
}

// Field reads at a cursor; what may be read is the caller's business.
class FlicBytes {
public:
    explicit FlicBytes(const BYTE* start) : cursor(start) {}

    BYTE U8() { return *cursor++; }
    signed char S8() { return static_cast<signed char>(*cursor++); }
    BYTE Peek() const { return *cursor; }
    WORD U16() {
        WORD value = Little16(cursor);
        cursor += 2;
        return value;
    }
    SHORT S16() { return static_cast<SHORT>(U16()); }

    const BYTE* cursor;
};

class FlicReader : public FlicBytes {
public:
    explicit FlicReader(mFile& stream);
    // Leaves the stream's current pointer where the reader stopped.
    ~FlicReader();

    FlicReader(const FlicReader&) = delete;
    FlicReader& operator=(const FlicReader&) = delete;

    // True when n contiguous bytes are at the cursor.
    bool Need(size_t n) { return Has(n) || Refill(n); }
    // Whether n bytes are at hand already, without asking the stream.
    bool Has(size_t n) const { return size_t(end - cursor) >= n; }
    // One past the bytes at hand: a decoder may read up to here without asking.
    const BYTE* End() const { return end; }

    // Moves n bytes straight from the stream's buffer, in as many pieces as the buffer
    // holds them; false when the data ends first.
    bool CopyTo(BYTE* destination, size_t n) {
        if (Has(n)) {
            MoveShort(destination, cursor, n);
            cursor += n;
            return true;
        }
        return CopyAcrossRefills(destination, n);
    }

private:
    bool Refill(size_t n);
    bool CopyAcrossRefills(BYTE* destination, size_t n);

    mFile& stream;
    const BYTE* end;
};
