// The picture of one top-level window's client area. On a true-colour display a pixel holds
// 0x00RRGGBB; on a palette display it holds the system-palette slot it is shown through.
#pragma once
#include "platform/host/posix/pixel_memory.h"
#include "platform/include/windef.h"
#include <cstdint>

namespace platform {

class Framebuffer {
public:
    // Keeps nothing of the old picture when the size changes; new pixels are 0 (black).
    void Resize(LONG width, LONG height);

    LONG Width() const { return width; }
    LONG Height() const { return height; }
    uint32_t* Row(LONG y) { return pixels.get() + static_cast<size_t>(y) * width; }
    const uint32_t* Row(LONG y) const { return pixels.get() + static_cast<size_t>(y) * width; }
    void Clear();

private:
    LONG width = 0;
    LONG height = 0;
    PixelBlock<uint32_t> pixels;
};

} // namespace platform
