// Block moves and fills of the few to few hundred bytes that run-length decoders write per
// code: overlapping 16-, 8-, 4- or 2-byte blocks that stay inside [destination,
// destination + n), without the start-up cost of a general block move or fill.
#pragma once

#include "platform/win32.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace short_blocks {

struct Block16 {
    uint64_t low, high;
};

template <class Block, class Source> inline void Put(BYTE* destination, size_t at, Source block) {
    Block value = block(at, Block{});
    std::memcpy(destination + at, &value, sizeof value);
}

// n bytes, from Block's size to twice that, as a first and a last block that overlap.
template <class Block, class Source>
inline void TwoBlocks(BYTE* destination, size_t n, Source block) {
    Put<Block>(destination, 0, block);
    Put<Block>(destination, n - sizeof(Block), block);
}

// The blocks of n bytes (at most 256) by the largest size that fits, smallest sizes tested
// first: most runs of a run-length code are a few pixels long.
template <class Source> inline void ShortBlocks(BYTE* destination, size_t n, Source block) {
    if (n < 4) {
        if (n >= 2)
            TwoBlocks<uint16_t>(destination, n, block);
        else if (n == 1)
            Put<BYTE>(destination, 0, block);
    } else if (n < 8) {
        TwoBlocks<uint32_t>(destination, n, block);
    } else if (n < 16) {
        TwoBlocks<uint64_t>(destination, n, block);
    } else {
        for (size_t at = 0; at + 16 < n; at += 16)
            Put<Block16>(destination, at, block);
        Put<Block16>(destination, n - 16, block);
    }
}

} // namespace short_blocks

// n bytes (at most 256) from source.
inline void CopyShort(BYTE* destination, const BYTE* source, size_t n) {
    short_blocks::ShortBlocks(destination, n, [source](size_t at, auto block) {
        std::memcpy(&block, source + at, sizeof block);
        return block;
    });
}

// Literal runs are short (at most a few hundred bytes), but any length is moved.
inline void MoveShort(BYTE* destination, const BYTE* source, size_t n) {
    if (n > 256)
        std::memcpy(destination, source, n);
    else
        CopyShort(destination, source, n);
}

// n (at most 256) copies of value: a run of a run-length code.
inline void FillShort(BYTE* destination, BYTE value, size_t n) {
    const uint64_t eight = value * 0x0101010101010101ull;
    short_blocks::ShortBlocks(destination, n, [eight](size_t, auto block) {
        using Block = decltype(block);
        if constexpr (sizeof(Block) == 16)
            return short_blocks::Block16{eight, eight};
        else
            return Block(eight);
    });
}
