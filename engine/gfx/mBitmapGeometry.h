// The sizes of a bitmap, worked out in 64 bits and checked before anything is allocated, so
// that an absurd request fails instead of wrapping to a short block.
#pragma once

#include "platform/win32.h"

#include <cstddef>
#include <cstdint>

struct mBitmapGeometry {
    // The largest block a bitmap takes: every offset into it must fit a LONG.
    static constexpr int64_t maxBlockBytes = INT32_MAX;
    static constexpr int64_t headerAndTableBytes = sizeof(BITMAPINFOHEADER) + 256 * 4;

    static int ColourCount(LONG bitsPerPixel) {
        return bitsPerPixel >= 1 && bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    }
    // A row's bytes rounded up to a multiple of 4.
    static int64_t Stride(int64_t width, int64_t bitsPerPixel) {
        return (width * bitsPerPixel + 31) / 32 * 4;
    }

    // The height's sign is the caller's business (row order); its magnitude is kept here.
    mBitmapGeometry(LONG width, LONG height, LONG bitsPerPixel)
        : width(width), bitsPerPixel(bitsPerPixel) {
        const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
        if (width <= 0 || rows == 0 || rows > INT32_MAX || bitsPerPixel < 1 || bitsPerPixel > 32)
            return;
        const int64_t bytes = Stride(width, bitsPerPixel) * rows;
        if (bytes > maxBlockBytes - headerAndTableBytes) return;
        this->height = static_cast<LONG>(rows);
        pixelBytes = static_cast<size_t>(bytes);
        valid = true;
    }

    LONG width;
    LONG height = 0;
    LONG bitsPerPixel;
    size_t pixelBytes = 0;
    bool valid = false;
};
