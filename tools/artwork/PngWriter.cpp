#include "tools/artwork/PngWriter.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace artwork {

bool WritePng(const std::string& path, const uint8_t* pixels, int width, int height,
              const flic::Palette& palette) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        const flic::Rgb& c = palette[pixels[i]];
        rgb[i * 3] = c.r, rgb[i * 3 + 1] = c.g, rgb[i * 3 + 2] = c.b;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), width * 3, nullptr) != 0;
}

} // namespace artwork
