#include "tools/artwork/Recolour.h"

#include <cmath>

#include "engine/gfx/Hsl.h"

namespace artwork {
namespace {

ColourValue ValueOf(flic::Rgb c) {
    return ColourValue(c.r) << 16 | ColourValue(c.g) << 8 | c.b;
}

flic::Rgb RgbOf(ColourValue value) {
    return {uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

bool IsGrey(flic::Rgb c) {
    return c.r == c.g && c.g == c.b;
}

} // namespace

flic::Rgb ShiftHue(flic::Rgb colour, int hue) {
    Hsl hsl = RgbToHsl(ValueOf(colour));
    hsl.h = uint8_t(hsl.h + hue);
    if (IsGrey(colour))
        hsl.s = uint8_t(100 - 80 * std::pow(std::sin((128 - hue) * 1.570795 / 128), 128));
    return RgbOf(HslToRgb(hsl));
}

flic::Rgb Colorize(flic::Rgb colour, int hue) {
    Hsl hsl = RgbToHsl(ValueOf(colour));
    hsl.h = uint8_t(hue);
    hsl.s = 255;
    if (IsGrey(colour)) hsl.l = uint8_t(hsl.l * colour.r / 255);
    return RgbOf(HslToRgb(hsl));
}

flic::Palette Recoloured(const flic::Palette& palette, int hue, bool shift) {
    flic::Palette out = palette;
    for (int i = 10; i <= 245; ++i)
        out[i] = shift ? ShiftHue(palette[i], hue) : Colorize(palette[i], hue);
    return out;
}

flic::Rgb PureHue(int hue) {
    return RgbOf(HslToRgb({uint8_t(hue), 255, 128}));
}

} // namespace artwork
