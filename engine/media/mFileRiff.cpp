// RIFF chunk navigation of mFile. Offsets are computed in 64 bits so that a size field near
// 4 GB cannot wrap an end back onto the chunk itself; every move stops at the end of data.
#include <algorithm>
#include <cstdint>

#include "engine/media/mFile.h"

namespace {

constexpr FOURCC kRiff = mmioFOURCC('R', 'I', 'F', 'F');
constexpr FOURCC kList = mmioFOURCC('L', 'I', 'S', 'T');
constexpr LONG kChunkHeader = 8;

DWORD ReadLE32(const BYTE* p) {
    return DWORD(p[0]) | DWORD(p[1]) << 8 | DWORD(p[2]) << 16 | DWORD(p[3]) << 24;
}

// End of a chunk whose header is at offset: header, data, and the pad byte of odd sizes.
uint64_t PaddedEnd(LONG offset, DWORD size) {
    return uint64_t(DWORD(offset)) + kChunkHeader + size + (size & 1);
}

LONG SaturatedOffset(uint64_t offset) {
    return LONG(DWORD(std::min<uint64_t>(offset, UINT32_MAX)));
}

} // namespace

LONG mFile::SeekWithinData(uint64_t target) {
    return Seek(LONG(std::min<uint64_t>(target, DWORD(state.size))), 0);
}

LONG mFile::DescendRiff(FOURCC formType) {
    if (Require(12) < 12 || ReadLE32(state.current) != kRiff) return 0;
    state.chunkDepth = 0;
    state.chunkEnds[0] = SaturatedOffset(uint64_t(ReadLE32(state.current + 4)) + kChunkHeader);
    if (ReadLE32(state.current + 8) != formType) return 0;
    state.current += 12;
    return 1;
}

LONG mFile::FindChunk(FOURCC id) {
    for (;;) {
        if (Require(kChunkHeader) < kChunkHeader) return 0;
        if (ReadLE32(state.current) == id) {
            DWORD size = ReadLE32(state.current + 4);
            state.lastChunkSize = LONG(size);
            state.lastChunkEnd = SaturatedOffset(PaddedEnd(CurrentOffset(), size));
            state.current += kChunkHeader;
            return 1;
        }
        if (!SkipChunk()) return 0;
    }
}

LONG mFile::SkipChunk() {
    if (Require(kChunkHeader) < kChunkHeader) return 0;
    uint64_t end = PaddedEnd(CurrentOffset(), ReadLE32(state.current + 4));
    uint64_t levelEnd = DWORD(state.chunkEnds[state.chunkDepth]);
    if (levelEnd < end) {
        SeekWithinData(levelEnd);
        return 0;
    }
    if (end > DWORD(state.size)) {
        SeekWithinData(end);
        return 0;
    }
    return Seek(LONG(end), 0) >= 0 ? 1 : 0;
}

LONG mFile::DescendList(FOURCC listType) {
    if (state.chunkDepth >= kMaxChunkLevels - 1) return 0;
    while (FindChunk(kList)) {
        if (Require(4) < 4) return 0;
        if (ReadLE32(state.current) == listType) {
            state.chunkEnds[++state.chunkDepth] = state.lastChunkEnd;
            state.current += 4;
            return 1;
        }
        if (SkipToChunkEnd() < 0) return 0;
    }
    return 0;
}

LONG mFile::Ascend() {
    LONG result = SeekWithinData(DWORD(state.chunkEnds[state.chunkDepth]));
    if (state.chunkDepth > 0) --state.chunkDepth;
    return result;
}

LONG mFile::SkipToChunkEnd() {
    return SeekWithinData(DWORD(state.lastChunkEnd));
}
