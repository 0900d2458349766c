// Writes an 8-bit picture through a palette as an RGB PNG (for looking at the artwork).
#pragma once

#include <cstdint>
#include <string>

#include "tools/flic/FlicWriter.h"

namespace artwork {

bool WritePng(const std::string& path, const uint8_t* pixels, int width, int height,
              const flic::Palette& palette);

} // namespace artwork
