// A 64-bit checksum of decoded frames (pixels row by row, and palettes), for comparing
// decodes of the same file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/gfx/mBitmap.h"

class FrameChecksum {
public:
    void AddPicture(const mBitmapInfo& picture);
    // The pixels inside area, and where it lies.
    void AddArea(const mBitmapInfo& picture, const RECT& area);
    void AddPalette(const RGBQUAD* palette);
    uint64_t Value() const;

private:
    // Two 64-bit lanes, one SSE2 or NEON register (a GCC and Clang vector type: the tools
    // build with either). Wider vector types are split through memory where the target has
    // no wider registers, which costs more than the sums themselves.
    typedef uint64_t Lanes __attribute__((vector_size(16)));
    // Four registers of sums, each with its sum of sums: one step takes 64 bytes. Named
    // locals rather than arrays, which compilers keep in memory.
    static constexpr int kRegisters = 4;
    static constexpr size_t kStep = kRegisters * sizeof(Lanes);
    struct Sums {
        Lanes sums0, sums1, sums2, sums3;
        Lanes sumsOfSums0, sumsOfSums1, sumsOfSums2, sumsOfSums3;
    };

    void Add(const BYTE* bytes, size_t count) { AddRows(bytes, 0, count, 1); }
    // rows runs of count bytes, pitch apart, in one pass that keeps the sums in registers.
    void AddRows(const BYTE* first, ptrdiff_t pitch, size_t count, LONG rows);

    Sums state_ = {{0x9e3779b97f4a7c15ull, 1}, {2, 3}, {4, 5}, {6, 7}, {}, {}, {}, {}};
};
