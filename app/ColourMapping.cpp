#include "app/ColourMapping.h"

#include <cmath>

int GreySaturation(int hue) {
    // The constant is the one the look was tuned with, deliberately not pi / 2. In double
    // from the start: any stored hue, INT_MIN included, is a valid argument.
    const double wave = std::sin((128.0 - hue) * 1.570795 / 128);
    return int(100 - 80 * std::pow(wave, 128));
}

ColourValue MapColour(ColourValue colour, int hue, bool shiftColours) {
    Hsl hsl = RgbToHsl(colour);
    const unsigned red = (colour >> 16) & 0xFF, green = (colour >> 8) & 0xFF, blue = colour & 0xFF;
    const bool grey = red == blue && blue == green;
    if (shiftColours) {
        hsl.h = uint8_t(hsl.h + unsigned(hue)); // the sum's low byte, without int overflow
        if (grey) hsl.s = uint8_t(GreySaturation(hue));
    } else {
        hsl.h = uint8_t(hue);
        hsl.s = 255;
        if (grey) hsl.l = uint8_t(hsl.l * red / 255);
    }
    return HslToRgb(hsl);
}
