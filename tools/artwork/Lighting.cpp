#include "tools/artwork/Lighting.h"

#include <algorithm>

#include "tools/artwork/Trig.h"

namespace artwork {
namespace {

struct Material {
    double ambient, diffuse, specular;
    unsigned shininess;
};

constexpr Material kCap{0.10, 0.80, 0.65, 24};
constexpr Material kWall{0.08, 0.65, 0.85, 16};

const Vec3 kKeyPosition{-1.6, 2.2, 3.2};
const Vec3 kFillDirection = Normalize({2.5, -1.0, 2.0});
const Vec3 kRimDirection = Normalize({0.6, 2.0, -2.5});
constexpr double kKey = 0.85, kFill = 0.30, kRim = 0.40;

double Light(const Material& m, Vec3 normal, Vec3 toLight, Vec3 toEye, double intensity) {
    double diffuse = Dot(normal, toLight);
    if (diffuse <= 0) return 0;
    double highlight = std::max(0.0, Dot(normal, Normalize(toLight + toEye)));
    return intensity * (m.diffuse * diffuse + m.specular * IntPower(highlight, m.shininess));
}

} // namespace

double Shade(Surface surface, Vec3 normal, Vec3 point, Vec3 eye) {
    const Material& m = surface == Surface::Cap ? kCap : kWall;
    Vec3 toEye = Normalize(eye - point);
    return m.ambient + Light(m, normal, Normalize(kKeyPosition - point), toEye, kKey) +
           Light(m, normal, kFillDirection, toEye, kFill) +
           Light(m, normal, kRimDirection, toEye, kRim);
}

} // namespace artwork
