// A 64-bit checksum of decoded frames (pixels row by row, and palettes), for comparing
// decodes of the same file.
#pragma once

#include <cstdint>

#include "engine/gfx/mBitmap.h"

class FrameChecksum {
public:
    void AddPicture(const mBitmapInfo& picture);
    void AddPalette(const RGBQUAD* palette);
    uint64_t Value() const { return value_; }

private:
    void Add(const BYTE* bytes, size_t count);

    uint64_t value_ = 0xcbf29ce484222325ull;
};
