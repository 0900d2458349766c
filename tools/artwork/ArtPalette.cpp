#include "tools/artwork/ArtPalette.h"

#include <algorithm>

namespace artwork {
namespace {

constexpr RampRange kGold{10, 88}, kAzure{98, 88}, kGrey{186, 60};

struct Colour {
    double r, g, b;
};

constexpr Colour kGoldBase{0.96, 0.64, 0.14}, kGoldHighlight{1.0, 0.97, 0.86};
constexpr Colour kAzureBase{0.16, 0.52, 0.98}, kAzureHighlight{0.90, 0.97, 1.0};
// Below this brightness a ramp darkens its base colour; above it the colour whitens.
constexpr double kKnee = 0.72;

flic::Rgb ToRgb(Colour c) {
    auto byte = [](double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
    return {byte(c.r), byte(c.g), byte(c.b)};
}

Colour Mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Tinted(Colour base, Colour highlight, double t) {
    // Each ramp starts at true black, so the stage background (the entry nearest black once
    // the static colours are taken) stays black under every hue.
    if (t <= kKnee) return Mix({0.0, 0.0, 0.0}, base, t / kKnee);
    double u = (t - kKnee) / (1 - kKnee);
    return Mix(base, highlight, u * u);
}

void FillRamp(flic::Palette& palette, RampRange range, Colour base, Colour highlight) {
    for (int k = 0; k < range.count; ++k)
        palette[range.first + k] = ToRgb(Tinted(base, highlight, k / (range.count - 1.0)));
}

void FillGreys(flic::Palette& palette, RampRange range) {
    for (int k = 0; k < range.count; ++k) {
        double v = 0.04 + 0.94 * k / (range.count - 1.0);
        palette[range.first + k] = ToRgb({v, v, v});
    }
}

void FillStatic(flic::Palette& palette) {
    static const flic::Rgb kLow[10] = {
        {0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240}};
    static const flic::Rgb kHigh[10] = {
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};
    std::copy(kLow, kLow + 10, palette.begin());
    std::copy(kHigh, kHigh + 10, palette.begin() + 246);
}

flic::Palette BuildPalette() {
    flic::Palette palette{};
    FillStatic(palette);
    FillRamp(palette, kGold, kGoldBase, kGoldHighlight);
    FillRamp(palette, kAzure, kAzureBase, kAzureHighlight);
    FillGreys(palette, kGrey);
    return palette;
}

} // namespace

const flic::Palette& SaverPalette() {
    static const flic::Palette palette = BuildPalette();
    return palette;
}

RampRange RangeOf(Ramp ramp) {
    switch (ramp) {
    case Ramp::Gold:
        return kGold;
    case Ramp::Azure:
        return kAzure;
    case Ramp::Grey:
        break;
    }
    return kGrey;
}

uint8_t RampIndex(Ramp ramp, double brightness) {
    RampRange range = RangeOf(ramp);
    int step = static_cast<int>(std::clamp(brightness, 0.0, 1.0) * (range.count - 1) + 0.5);
    return static_cast<uint8_t>(range.first + step);
}

Blend ColourOf(uint8_t index, double weight) {
    const flic::Rgb& c = SaverPalette()[index];
    return {c.r * weight, c.g * weight, c.b * weight};
}

uint8_t NearestEntry(Ramp first, Ramp second, Blend colour) {
    uint8_t best = 0;
    double bestDistance = 0;
    for (Ramp ramp : {first, second}) {
        RampRange range = RangeOf(ramp);
        for (int i = range.first; i < range.first + range.count; ++i) {
            Blend entry = ColourOf(static_cast<uint8_t>(i), 1);
            double dr = entry.r - colour.r, dg = entry.g - colour.g, db = entry.b - colour.b;
            double distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (best == 0 || distance < bestDistance)
                best = static_cast<uint8_t>(i), bestDistance = distance;
        }
    }
    return best;
}

} // namespace artwork
