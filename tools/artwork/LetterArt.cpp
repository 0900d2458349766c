#include "tools/artwork/LetterArt.h"

#include "tools/artwork/Trig.h"

namespace artwork {
namespace {

constexpr double kDegree = kPi / 180;
// Keeps anti-aliased edges off the frame border and the top-left pixel transparent.
constexpr double kMargin = 1.5;

LetterShape ShapeOf(Letter letter) {
    return letter == Letter::CapitalL ? CapitalL() : SmallM();
}

} // namespace

LetterLook BigLetter() {
    return {Letter::CapitalL, Ramp::Gold, 0.24, 0.045, 16 * kDegree};
}
LetterLook SmallLetter() {
    return {Letter::SmallM, Ramp::Azure, 0.22, 0.04, 20 * kDegree};
}

LetterArt::LetterArt(const LetterLook& look, int size, int supersample)
    : look_(look), renderer_(ShapeOf(look.letter), look.depth, look.edgeRadius, size, supersample) {
}

std::vector<Picture> LetterArt::Render(const std::vector<double>& yaws) {
    std::vector<Pose> poses;
    for (double yaw : yaws)
        poses.push_back({yaw, look_.tilt});
    renderer_.FitTo(poses, kMargin);
    std::vector<Picture> pictures;
    for (const Pose& pose : poses)
        pictures.push_back(Quantise(renderer_.Render(pose)));
    return pictures;
}

Picture LetterArt::Quantise(const RenderedPicture& rendered) const {
    Picture picture(rendered.pixels.size(), 0);
    for (size_t i = 0; i < picture.size(); ++i)
        picture[i] = PixelIndex(rendered.pixels[i], rendered.samplesPerPixel);
    return picture;
}

// Edges against the black background darken along the surface's own ramp; where face and
// wall meet, the blend of both takes the nearest entry of the two ramps.
uint8_t LetterArt::PixelIndex(const PixelLight& light, int samplesPerPixel) const {
    int cap = light.samples[0], wall = light.samples[1];
    if (cap + wall == 0) return 0;
    double total = samplesPerPixel;
    if (wall == 0) return RampIndex(look_.face, light.brightness[0] / total);
    if (cap == 0) return RampIndex(Ramp::Grey, light.brightness[1] / total);
    Blend capColour = ColourOf(RampIndex(look_.face, light.brightness[0] / cap), cap / total);
    Blend wallColour = ColourOf(RampIndex(Ramp::Grey, light.brightness[1] / wall), wall / total);
    return NearestEntry(
        look_.face, Ramp::Grey,
        {capColour.r + wallColour.r, capColour.g + wallColour.g, capColour.b + wallColour.b});
}

std::vector<double> FullTurn(int count, double start) {
    std::vector<double> yaws;
    for (int i = 0; i < count; ++i)
        yaws.push_back(start + 2 * kPi * i / count);
    return yaws;
}

} // namespace artwork
