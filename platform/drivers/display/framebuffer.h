// The picture of one top-level window's client area. On a true-colour display a pixel holds
// 0x00RRGGBB; on a palette display it holds the system-palette slot it is shown through.
#pragma once
#include "platform/host/posix/pixel_memory.h"
#include "platform/include/windef.h"
#include <cstddef>
#include <cstdint>

namespace platform {

class Framebuffer {
public:
    // Keeps nothing of the old picture when the size changes; new pixels are 0 (black).
    void Resize(LONG width, LONG height);

    LONG Width() const { return width; }
    LONG Height() const { return height; }
    uint32_t* Row(LONG y) { return rows + static_cast<size_t>(y) * pitch; }
    const uint32_t* Row(LONG y) const { return rows + static_cast<size_t>(y) * pitch; }
    void Clear();

    // The picture moves into memory a host display owns and shows as it is (its window
    // surface), so drawing needs no copy to be shown. Rows are pitch pixels apart there. The
    // host must call Return before that memory goes away.
    void Lend(uint32_t* hostPixels, size_t hostPitch);
    // Back into memory of its own, picture kept; false (and the picture lost, all black) when
    // that memory cannot be had.
    bool Return();
    // The lent memory went before it could be returned: the picture is lost (all black).
    void Forget();
    bool Shows(const void* hostPixels) const { return lent && rows == hostPixels; }

private:
    void Own(PixelBlock<uint32_t> memory);
    void CopyPictureTo(uint32_t* target, size_t targetPitch) const;

    LONG width = 0;
    LONG height = 0;
    size_t pitch = 0; // pixels from one row to the next
    uint32_t* rows = nullptr;
    bool lent = false;
    PixelBlock<uint32_t> pixels;
};

} // namespace platform
