// Conversions between colour values and hue-saturation-lightness bytes. Both scale by 256
// one way and 255 the other and truncate, so a round trip darkens slightly; the saver's
// colours are defined by exactly this mapping.
#pragma once

#include <cstdint>

// A colour value: blue in bits 0-7, green 8-15, red 16-23, as a colour-table entry.
using ColourValue = uint32_t;

struct Hsl {
    uint8_t h;
    uint8_t s;
    uint8_t l;
};

Hsl RgbToHsl(ColourValue colour);
// Bits 24-31 of the result are 0.
ColourValue HslToRgb(Hsl hsl);
