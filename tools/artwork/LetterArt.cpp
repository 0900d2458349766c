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
    return {Letter::CapitalL, Ramp::Gold, 0.24, 16 * kDegree};
}
LetterLook SmallLetter() {
    return {Letter::SmallM, Ramp::Azure, 0.22, 20 * kDegree};
}

LetterArt::LetterArt(const LetterLook& look, int size, int supersample)
    : look_(look), renderer_(ExtrudeLetter(ShapeOf(look.letter), look.depth), size, supersample) {}

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

Picture LetterArt::Quantise(const PixelLight& light) const {
    Picture picture(light.surface.size(), 0);
    for (size_t i = 0; i < picture.size(); ++i) {
        if (light.surface[i] == 0) continue;
        Ramp ramp = light.surface[i] == 1 ? look_.face : Ramp::Grey;
        picture[i] = RampIndex(ramp, light.brightness[i]);
    }
    return picture;
}

std::vector<double> FullTurn(int count, double start) {
    std::vector<double> yaws;
    for (int i = 0; i < count; ++i)
        yaws.push_back(start + 2 * kPi * i / count);
    return yaws;
}

} // namespace artwork
