// The hue strip under the settings dialog's "Change Color" bar: column x shows hue x,
// the hue the saver's setting x gives (8-bit BMP file, pixel x is colour-table entry x).
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

constexpr int kStripWidth = 256;
constexpr int kStripHeight = 16;

std::vector<uint8_t> EncodeColourStrip();

} // namespace artwork
