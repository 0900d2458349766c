#include "tools/png/RgbPng.h"

#include <png.h>

bool WriteRgbPng(const std::string& path, const uint8_t* rgb, int width, int height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, rgb, width * 3, nullptr) != 0;
}
