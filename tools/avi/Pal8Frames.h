// Frames made by other tools, for movies of real content: ffmpeg's raw pal8 output (per
// frame the rows from the top, then 256 colours as little-endian 0xAARRGGBB words).
#pragma once
#include <string>

#include "tools/avi/Frame8.h"

namespace avi {

struct Pal8Frames {
    std::vector<Frame8> frames;
    std::vector<Colour> palette; // the first frame's; the movie keeps it throughout
};

// False when the file cannot be read or holds no whole frame of width x height.
bool ReadPal8Frames(const std::string& path, int width, int height, Pal8Frames& out);

} // namespace avi
