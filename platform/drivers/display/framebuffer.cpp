#include "platform/drivers/display/framebuffer.h"

#include <algorithm>
#include <cstring>

namespace platform {

void Framebuffer::Resize(LONG newWidth, LONG newHeight) {
    newWidth = std::max<LONG>(newWidth, 0);
    newHeight = std::max<LONG>(newHeight, 0);
    if (pixels && newWidth == width && newHeight == height) return;
    pixels = AllocatePixels<uint32_t>(static_cast<size_t>(newWidth) * newHeight);
    bool allocated = pixels != nullptr;
    width = allocated ? newWidth : 0;
    height = allocated ? newHeight : 0;
}

void Framebuffer::Clear() {
    if (pixels)
        std::memset(pixels.get(), 0, static_cast<size_t>(width) * height * sizeof(uint32_t));
}

} // namespace platform
