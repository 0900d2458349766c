// Everything the program carries as pictures, generated: the four FLIC animations, the two
// icons and the colour strip, each with its path below the resources folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/artwork/LetterArt.h"

namespace artwork {

struct ArtFile {
    std::string path;
    std::vector<uint8_t> bytes;
};

struct Animation {
    std::string name;
    int size;
    std::vector<Picture> frames;
};

std::vector<Animation> RenderAnimations();
std::vector<ArtFile> EncodeArtwork(const std::vector<Animation>& animations);

} // namespace artwork
