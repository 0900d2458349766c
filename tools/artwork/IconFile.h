// .ico files of 8-bit images; colour index 0 is transparent (set in the AND mask).
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artwork/LetterArt.h"

namespace artwork {

struct IconImage {
    int size;
    const Picture* pixels;
};

std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& images, const flic::Palette& palette);

} // namespace artwork
