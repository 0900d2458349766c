// An .ico file as a resource compiler stores it: each image becomes an icon resource of its
// own, and a group directory lists them by resource number.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace embed {

using Bytes = std::vector<uint8_t>;

struct SplitIconFile {
    std::vector<Bytes> images;
    Bytes groupDirectory; // GRPICONDIR naming the images firstId, firstId + 1, ...
};

bool SplitIcon(const Bytes& file, uint16_t firstId, SplitIconFile& split, std::string& error);

} // namespace embed
