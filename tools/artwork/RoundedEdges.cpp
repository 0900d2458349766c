#include "tools/artwork/RoundedEdges.h"

#include <cmath>

#include "tools/artwork/Trig.h"

namespace artwork {
namespace {

// Fine against the letter's size (height 1), so the tabulated distances are smooth.
constexpr double kFieldCell = 0.002;

// Tilts `base` towards `toward` by up to 45 degrees as `closeness` goes from 0 to 1.
Vec3 Tilted(Vec3 base, Vec3 toward, double closeness) {
    if (closeness <= 0) return base;
    double angle = kPi / 4 * closeness;
    return Normalize(base * Cosine(angle) + toward * Sine(angle));
}

} // namespace

RoundedEdges::RoundedEdges(const LetterShape& shape, double depth, double radius)
    : field_(LetterOutline(shape), kFieldCell), half_(depth / 2), radius_(radius) {}

Vec3 RoundedEdges::Normal(const Face& face, Vec3 point) const {
    return face.surface == Surface::Cap ? CapNormal(face, point) : WallNormal(face, point);
}

Vec3 RoundedEdges::CapNormal(const Face& face, Vec3 point) const {
    EdgeDistance edge = field_.At(point.x, point.y);
    return Tilted(face.normal, {edge.towardX, edge.towardY, 0}, 1 - edge.distance / radius_);
}

Vec3 RoundedEdges::WallNormal(const Face& face, Vec3 point) const {
    Vec3 normal = face.normal;
    if (face.curved) {
        Vec3 radial{point.x - face.axisPoint.x, point.y - face.axisPoint.y, 0};
        normal = Normalize(radial) * face.curveSign;
    }
    double fromCap = half_ - std::fabs(point.z);
    return Tilted(normal, {0, 0, point.z >= 0 ? 1.0 : -1.0}, 1 - fromCap / radius_);
}

} // namespace artwork
