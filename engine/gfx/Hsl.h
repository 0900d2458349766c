// Conversions between colour values and hue-saturation-lightness bytes. Both scale by 256
// one way and 255 the other and truncate, so a round trip darkens slightly; the saver's
// colours, and the artwork made for them, are defined by exactly this mapping. Inline, so
// that the artwork tool shares it without linking the engine.
#pragma once

#include <algorithm>
#include <cstdint>

// A colour value: blue in bits 0-7, green 8-15, red 16-23, as a colour-table entry.
using ColourValue = uint32_t;

struct Hsl {
    uint8_t h;
    uint8_t s;
    uint8_t l;
};

namespace hsl_detail {

inline double Channel(ColourValue colour, int shift) {
    return double((colour >> shift) & 0xFF) / 256;
}

inline uint8_t ToByte(double unit) {
    return uint8_t(int(unit * 255));
}

inline double Component(double p, double q, double t) {
    if (t < 1.0 / 6) return p + (q - p) * 6 * t;
    if (t < 1.0 / 2) return q;
    if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

} // namespace hsl_detail

inline Hsl RgbToHsl(ColourValue colour) {
    using namespace hsl_detail;
    const double r = Channel(colour, 16), g = Channel(colour, 8), b = Channel(colour, 0);
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    if (max == min) return {0, 0, ToByte(r)};
    const double lightness = (max + min) / 2;
    const double range = max - min;
    const double saturation = lightness < 0.5 ? range / (max + min) : range / (2 - max - min);
    double hue = r == max ? (g - b) / range : g == max ? (b - r) / range + 2 : (r - g) / range + 4;
    hue /= 6;
    if (hue < 0) hue += 1;
    return {ToByte(hue), ToByte(saturation), ToByte(lightness)};
}

// Bits 24-31 of the result are 0.
inline ColourValue HslToRgb(Hsl hsl) {
    using namespace hsl_detail;
    const double hue = double(hsl.h) / 256, saturation = double(hsl.s) / 256,
                 lightness = double(hsl.l) / 256;
    double red = lightness, green = lightness, blue = lightness;
    if (saturation != 0) {
        const double q = lightness < 0.5 ? lightness * (1 + saturation)
                                         : lightness + saturation - lightness * saturation;
        const double p = 2 * lightness - q;
        double tRed = hue + 1.0 / 3, tBlue = hue - 1.0 / 3;
        if (tRed > 1) tRed -= 1;
        if (tBlue < 0) tBlue += 1;
        red = Component(p, q, tRed);
        green = Component(p, q, hue);
        blue = Component(p, q, tBlue);
    }
    return ColourValue(ToByte(red)) << 16 | ColourValue(ToByte(green)) << 8 | ToByte(blue);
}
