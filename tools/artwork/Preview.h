// PNG previews of the artwork: every tenth frame of each animation, plain, hue-shifted and
// colorized, and one contact sheet per animation.
#pragma once

#include <string>
#include <vector>

#include "tools/artwork/Artwork.h"

namespace artwork {

bool WritePreviews(const std::vector<Animation>& animations, const std::string& directory);

} // namespace artwork
