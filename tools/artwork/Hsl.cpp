#include "tools/artwork/Hsl.h"

#include <algorithm>
#include <cmath>

namespace artwork {
namespace {

double Component(double p, double q, double t) {
    if (t < 1.0 / 6) return p + (q - p) * 6 * t;
    if (t < 0.5) return q;
    if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

uint8_t Byte(double v) {
    return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255);
}

bool IsGrey(flic::Rgb c) {
    return c.r == c.g && c.g == c.b;
}

} // namespace

Hsl RgbToHsl(flic::Rgb colour) {
    double r = colour.r / 256.0, g = colour.g / 256.0, b = colour.b / 256.0;
    double high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high == low) return {0, 0, static_cast<int>(r * 255)};
    double l = (high + low) / 2, range = high - low;
    double s = l < 0.5 ? range / (high + low) : range / (2 - high - low);
    double h = r == high ? (g - b) / range : g == high ? (b - r) / range + 2 : (r - g) / range + 4;
    h /= 6;
    if (h < 0) h += 1;
    return {static_cast<int>(h * 255), static_cast<int>(s * 255), static_cast<int>(l * 255)};
}

flic::Rgb HslToRgb(Hsl hsl) {
    double h = hsl.h / 256.0, s = hsl.s / 256.0, l = hsl.l / 256.0;
    if (s == 0) return {Byte(l), Byte(l), Byte(l)};
    double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    double p = 2 * l - q;
    double tr = h + 1.0 / 3, tb = h - 1.0 / 3;
    if (tr > 1) tr -= 1;
    if (tb < 0) tb += 1;
    return {Byte(Component(p, q, tr)), Byte(Component(p, q, h)), Byte(Component(p, q, tb))};
}

flic::Rgb ShiftHue(flic::Rgb colour, int hue) {
    Hsl hsl = RgbToHsl(colour);
    hsl.h = (hsl.h + hue) & 0xFF;
    if (IsGrey(colour))
        hsl.s = static_cast<int>(100 - 80 * std::pow(std::sin((128 - hue) * 1.570795 / 128), 128));
    return HslToRgb(hsl);
}

flic::Rgb Colorize(flic::Rgb colour, int hue) {
    Hsl hsl = RgbToHsl(colour);
    hsl.h = hue & 0xFF;
    hsl.s = 255;
    if (IsGrey(colour)) hsl.l = hsl.l * colour.r / 255;
    return HslToRgb(hsl);
}

flic::Palette Recoloured(const flic::Palette& palette, int hue, bool shift) {
    flic::Palette out = palette;
    for (int i = 10; i <= 245; ++i)
        out[i] = shift ? ShiftHue(palette[i], hue) : Colorize(palette[i], hue);
    return out;
}

} // namespace artwork
