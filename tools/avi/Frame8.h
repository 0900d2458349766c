// An 8-bit picture as the encoders take it: rows from the top, width bytes each.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace avi {

struct Frame8 {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    uint8_t At(int x, int yFromBottom) const {
        return pixels[size_t(height - 1 - yFromBottom) * size_t(width) + size_t(x)];
    }
};

struct Colour {
    uint8_t blue, green, red, reserved;
};

} // namespace avi
