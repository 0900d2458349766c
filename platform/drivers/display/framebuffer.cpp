#include "platform/drivers/display/framebuffer.h"

#include <algorithm>
#include <cstring>

namespace platform {

void Framebuffer::Resize(LONG newWidth, LONG newHeight) {
    newWidth = std::max<LONG>(newWidth, 0);
    newHeight = std::max<LONG>(newHeight, 0);
    if (rows && newWidth == width && newHeight == height) return;
    width = newWidth;
    height = newHeight;
    Own(AllocatePixels<uint32_t>(static_cast<size_t>(newWidth) * newHeight));
}

void Framebuffer::Clear() {
    for (LONG y = 0; y < height; ++y)
        std::memset(Row(y), 0, static_cast<size_t>(width) * sizeof(uint32_t));
}

void Framebuffer::CopyPictureTo(uint32_t* target, size_t targetPitch) const {
    for (LONG y = 0; y < height; ++y) {
        std::memcpy(target + static_cast<size_t>(y) * targetPitch, Row(y),
                    static_cast<size_t>(width) * sizeof(uint32_t));
    }
}

void Framebuffer::Lend(uint32_t* hostPixels, size_t hostPitch) {
    if (Shows(hostPixels)) return;
    CopyPictureTo(hostPixels, hostPitch);
    pixels.reset();
    rows = hostPixels;
    pitch = hostPitch;
    lent = true;
}

bool Framebuffer::Return() {
    if (!lent) return true;
    PixelBlock<uint32_t> own = AllocatePixels<uint32_t>(static_cast<size_t>(width) * height);
    if (own) CopyPictureTo(own.get(), static_cast<size_t>(width));
    Own(std::move(own));
    return rows != nullptr;
}

void Framebuffer::Forget() {
    if (lent) Own(AllocatePixels<uint32_t>(static_cast<size_t>(width) * height));
}

void Framebuffer::Own(PixelBlock<uint32_t> memory) {
    pixels = std::move(memory);
    rows = pixels.get();
    lent = false;
    if (!rows) width = height = 0;
    pitch = static_cast<size_t>(width);
}

} // namespace platform
