#include "tools/artwork/PngWriter.h"

#include <vector>

#include "tools/png/RgbPng.h"

namespace artwork {

bool WritePng(const std::string& path, const uint8_t* pixels, int width, int height,
              const flic::Palette& palette) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        const flic::Rgb& c = palette[pixels[i]];
        rgb[i * 3] = c.r, rgb[i * 3 + 1] = c.g, rgb[i * 3 + 2] = c.b;
    }
    return WriteRgbPng(path, rgb.data(), width, height);
}

} // namespace artwork
