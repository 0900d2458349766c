#include "tools/avi/Pal8Frames.h"

#include <fstream>
#include <iterator>

namespace avi {
namespace {

constexpr size_t kPaletteBytes = 256 * 4;

} // namespace

bool ReadPal8Frames(const std::string& path, int width, int height, Pal8Frames& out) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    const size_t pixels = size_t(width) * size_t(height);
    const size_t count = bytes.size() / (pixels + kPaletteBytes);
    if (count == 0) return false;
    out.frames.clear();
    for (size_t i = 0; i < count; ++i) {
        auto start = bytes.begin() + ptrdiff_t(i * (pixels + kPaletteBytes));
        out.frames.push_back(Frame8{width, height, {start, start + ptrdiff_t(pixels)}});
    }
    // 0xAARRGGBB little-endian is blue, green, red, alpha: a colour entry's own order.
    const uint8_t* colours = bytes.data() + pixels;
    out.palette.resize(256);
    for (size_t i = 0; i < 256; ++i)
        out.palette[i] = Colour{colours[4 * i], colours[4 * i + 1], colours[4 * i + 2], 0};
    return true;
}

} // namespace avi
