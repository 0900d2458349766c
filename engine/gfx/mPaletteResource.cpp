// Read straight from the resource's bytes: the bitmap sits below the stream in the engine,
// and this is the only RIFF form it ever reads.
#include "engine/gfx/mPaletteResource.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

uint32_t LittleEndian32(const BYTE* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

void CopyEntries(const BYTE* data, uint64_t available, RGBQUAD* table) {
    if (available < 4) return;
    const uint64_t count =
        std::min<uint64_t>({uint64_t(data[2] | data[3] << 8), 256, (available - 4) / 4});
    for (uint64_t i = 0; i < count; ++i) {
        const BYTE* entry = data + 4 + 4 * i;
        table[i] = RGBQUAD{entry[2], entry[1], entry[0], 0};
    }
}

} // namespace

void ReadPaletteResource(const void* block, DWORD size, RGBQUAD* table) {
    const BYTE* bytes = static_cast<const BYTE*>(block);
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "PAL ", 4) != 0)
        return;
    // Offsets in 64 bits: a chunk size near 4 GB must not wrap back into the block.
    const uint64_t formEnd = std::min<uint64_t>(size, 8 + uint64_t(LittleEndian32(bytes + 4)));
    for (uint64_t at = 12; at + 8 <= formEnd;) {
        const uint64_t chunkSize = LittleEndian32(bytes + at + 4);
        if (std::memcmp(bytes + at, "data", 4) == 0) {
            CopyEntries(bytes + at + 8, std::min(chunkSize, size - (at + 8)), table);
            return;
        }
        at += 8 + chunkSize + (chunkSize & 1);
    }
}
