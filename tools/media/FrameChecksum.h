// A 64-bit checksum of decoded frames (pixels row by row, and palettes), for comparing
// decodes of the same file.
#pragma once

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
    void Add(const BYTE* bytes, size_t count);

    // Four 64-bit lanes (a GCC and Clang vector type: the tools build with either).
    typedef uint64_t Lanes __attribute__((vector_size(32)));
    static constexpr int kLanes = 4;
    Lanes sums_ = {0x9e3779b97f4a7c15ull, 1, 2, 3};
    Lanes sumsOfSums_ = {};
};
