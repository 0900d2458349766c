// The colour conversions and mapping against values worked out by hand from the formulas,
// truncations and scales included.
#include "app/ColourMapping.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

ColourValue Rgb(unsigned r, unsigned g, unsigned b) {
    return r << 16 | g << 8 | b;
}

void ExpectHsl(ColourValue colour, int h, int s, int l) {
    const Hsl hsl = RgbToHsl(colour);
    EXPECT_EQ(hsl.h, h) << std::hex << colour;
    EXPECT_EQ(hsl.s, s) << std::hex << colour;
    EXPECT_EQ(hsl.l, l) << std::hex << colour;
}

TEST(ColourMath, ConversionsTruncateWithTheirScales) {
    ExpectHsl(Rgb(128, 128, 128), 0, 0, 127);
    ExpectHsl(Rgb(255, 0, 0), 0, 255, 127);
    ExpectHsl(Rgb(64, 128, 192), 148, 127, 127);
    ExpectHsl(Rgb(0, 0, 255) | 0xff000000, 170, 255, 127); // the spare byte is ignored

    EXPECT_EQ(HslToRgb(RgbToHsl(Rgb(255, 255, 255))), Rgb(253, 253, 253));
    EXPECT_EQ(HslToRgb(RgbToHsl(Rgb(255, 0, 0))), Rgb(252, 0, 0));
    EXPECT_EQ(HslToRgb({148, 127, 127}), Rgb(63, 130, 189));
    EXPECT_EQ(HslToRgb({0, 0, 200}), Rgb(199, 199, 199));
}

TEST(ColourMath, GreySaturationFollowsTheSineCurve) {
    EXPECT_EQ(GreySaturation(0), 20);
    EXPECT_EQ(GreySaturation(4), 31);
    EXPECT_EQ(GreySaturation(16), 93);
    EXPECT_EQ(GreySaturation(128), 100);
    EXPECT_EQ(GreySaturation(300), 99) << "not reduced modulo 256";
    EXPECT_EQ(GreySaturation(-1), 20);
}

TEST(ColourMath, ShiftModeRotatesHueAndTintsGreys) {
    EXPECT_EQ(MapColour(Rgb(64, 128, 192), 0, true), Rgb(63, 130, 189));
    // Hue 148 + 108 wraps to 0: the blue-ish colour turns red-ish at the same s and l.
    EXPECT_EQ(MapColour(Rgb(64, 128, 192), 108, true), HslToRgb({0, 127, 127}));
    EXPECT_EQ(MapColour(Rgb(64, 128, 192), -1, true), HslToRgb({147, 127, 127}));
    EXPECT_EQ(MapColour(Rgb(128, 128, 128), 0, true), Rgb(136, 116, 116));
    EXPECT_EQ(MapColour(Rgb(128, 128, 128), 256 + 4, true), HslToRgb({4, 31, 127}));
}

// Any stored integer is a hue: the extremes map through their low byte without overflow.
TEST(ColourMath, ExtremeHuesMapThroughTheirLowByte) {
    for (int hue : {INT_MAX, INT_MIN, INT_MIN + 1}) {
        const uint8_t low = uint8_t(unsigned(hue));
        EXPECT_EQ(MapColour(Rgb(64, 128, 192), hue, true), HslToRgb({uint8_t(148 + low), 127, 127}))
            << hue;
        EXPECT_EQ(MapColour(Rgb(64, 128, 192), hue, false), HslToRgb({low, 255, 127})) << hue;
        const int grey = GreySaturation(hue);
        EXPECT_TRUE(grey >= 20 && grey <= 100) << hue;
        EXPECT_EQ(MapColour(Rgb(128, 128, 128), hue, true), HslToRgb({low, uint8_t(grey), 127}))
            << hue;
    }
}

TEST(ColourMath, ColorizeModeTakesTheHueAndDarkensGreys) {
    EXPECT_EQ(MapColour(Rgb(128, 128, 128), 0, false), HslToRgb({0, 255, 63}));
    EXPECT_EQ(MapColour(Rgb(128, 128, 128), 0, false), Rgb(125, 0, 0));
    EXPECT_EQ(MapColour(Rgb(64, 128, 192), -1, false), HslToRgb({255, 255, 127}));
    EXPECT_EQ(MapColour(Rgb(0, 0, 0), 90, false), 0u);
}

} // namespace
