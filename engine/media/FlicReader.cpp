#include "engine/media/FlicReader.h"

#include "engine/media/mFile.h"

FlicReader::FlicReader(mFile& source)
    : FlicBytes(source.State()->current), stream(source), end(source.State()->dataEnd) {}

FlicReader::~FlicReader() {
    StreamState* state = stream.State();
    state->current = const_cast<BYTE*>(cursor);
    state->position = state->bufferOffset + LONG(cursor - state->bufferStart);
}

bool FlicReader::Refill(size_t n) {
    StreamState* state = stream.State();
    state->current = const_cast<BYTE*>(cursor);
    LONG have = stream.Require(LONG(n));
    cursor = state->current;
    end = state->dataEnd;
    return have >= 0 && size_t(have) >= n;
}

bool FlicReader::CopyAcrossRefills(BYTE* destination, size_t n) {
    while (n > 0) {
        if (cursor == end && !Refill(1)) return false;
        size_t piece = std::min(n, size_t(end - cursor));
        std::memcpy(destination, cursor, piece);
        destination += piece;
        cursor += piece;
        n -= piece;
    }
    return true;
}
