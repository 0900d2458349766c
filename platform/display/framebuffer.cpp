#include "platform/display/framebuffer.h"

#include <algorithm>

namespace platform {

void Framebuffer::Resize(LONG newWidth, LONG newHeight) {
    newWidth = std::max<LONG>(newWidth, 0);
    newHeight = std::max<LONG>(newHeight, 0);
    if (newWidth == width && newHeight == height) return;
    width = newWidth;
    height = newHeight;
    pixels.assign(static_cast<size_t>(width) * height, 0);
}

void Framebuffer::Clear() {
    std::fill(pixels.begin(), pixels.end(), 0);
}

} // namespace platform
