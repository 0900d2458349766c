// One row of 8-bit source pixels through a 256-entry table. The copies call this once per
// row after clipping, so nothing inside checks bounds; rows are often only a few pixels wide,
// so it is inlined into the row loop.
#pragma once
#include <cstdint>
#include <cstring>

#include "platform/win32.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define LUMARIS_ROW_SSE2 1
#endif

namespace platform::gdi {
namespace row_detail {

// Four source pixels are read as one word and written as one block: the stage's areas are
// whole 4-pixel columns, and a wide store keeps more cache-line fills in flight, which is
// what a short row scattered over a large framebuffer is waiting on.
inline uint32_t FourSourcePixels(const BYTE* in) {
    uint32_t word;
    std::memcpy(&word, in, sizeof word);
    return word;
}

inline BYTE SourceByte(uint32_t word, int n) {
    // Pixel n of the word in memory order, whatever the host's byte order.
    BYTE bytes[4];
    std::memcpy(bytes, &word, sizeof bytes);
    return bytes[n];
}

inline void StoreFour(uint32_t* out, const uint32_t* table, uint32_t word) {
#ifdef LUMARIS_ROW_SSE2
    __m128i block = _mm_set_epi32(
        static_cast<int>(table[SourceByte(word, 3)]), static_cast<int>(table[SourceByte(word, 2)]),
        static_cast<int>(table[SourceByte(word, 1)]), static_cast<int>(table[SourceByte(word, 0)]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
#else
    uint32_t block[4] = {table[SourceByte(word, 0)], table[SourceByte(word, 1)],
                         table[SourceByte(word, 2)], table[SourceByte(word, 3)]};
    std::memcpy(out, block, sizeof block);
#endif
}

inline void StoreFour(BYTE* out, const BYTE* table, uint32_t word) {
    BYTE block[4] = {table[SourceByte(word, 0)], table[SourceByte(word, 1)],
                     table[SourceByte(word, 2)], table[SourceByte(word, 3)]};
    std::memcpy(out, block, sizeof block);
}

} // namespace row_detail

// Out is uint32_t for framebuffer values (a window's picture), BYTE for destination
// indices (a memory DC's bitmap).
template <typename Out>
inline void ConvertRow(Out* out, const BYTE* in, LONG count, const Out* table) {
    LONG i = 0;
    // Sixteen pixels a turn: a stage row is some 80 pixels, and fewer turns mean fewer
    // mispredicted loop ends per row.
    for (; i + 16 <= count; i += 16) {
        for (LONG k = i; k < i + 16; k += 4)
            row_detail::StoreFour(out + k, table, row_detail::FourSourcePixels(in + k));
    }
    for (; i + 4 <= count; i += 4)
        row_detail::StoreFour(out + i, table, row_detail::FourSourcePixels(in + i));
    for (; i < count; ++i)
        out[i] = table[in[i]];
}

} // namespace platform::gdi
