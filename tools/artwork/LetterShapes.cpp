#include "tools/artwork/LetterShapes.h"

#include "tools/artwork/Trig.h"

namespace artwork {
namespace {

Piece Polygon(std::vector<Point2> points) {
    Piece piece;
    piece.edges.resize(points.size());
    piece.points = std::move(points);
    return piece;
}

Piece Box(double left, double bottom, double right, double top) {
    return Polygon({{left, bottom}, {right, bottom}, {right, top}, {left, top}});
}

Point2 OnCircle(Point2 centre, double radius, double angle) {
    return {centre.x + radius * Cosine(angle), centre.y + radius * Sine(angle)};
}

// An upper half ring as quads, with round outer and inner walls.
void AddArch(std::vector<Piece>& pieces, Point2 centre, double outer, double inner) {
    constexpr int kSegments = 16;
    for (int k = 0; k < kSegments; ++k) {
        double a0 = kPi * k / kSegments;
        double a1 = kPi * (k + 1) / kSegments;
        Piece quad = Polygon({OnCircle(centre, outer, a0), OnCircle(centre, outer, a1),
                              OnCircle(centre, inner, a1), OnCircle(centre, inner, a0)});
        quad.edges[0] = {true, centre, 1};
        quad.edges[2] = {true, centre, -1};
        pieces.push_back(quad);
    }
}

} // namespace

LetterShape CapitalL() {
    constexpr double kStem = 0.27, kFoot = 0.25, kWidth = 0.66, kCut = 0.03;
    LetterShape shape;
    shape.pieces.push_back(
        Polygon({{kCut, 0}, {kStem, 0}, {kStem, 1}, {kCut, 1}, {0, 1 - kCut}, {0, kCut}}));
    shape.pieces.push_back(Polygon({{kStem, 0},
                                    {kWidth - kCut, 0},
                                    {kWidth, kCut},
                                    {kWidth, kFoot - kCut},
                                    {kWidth - kCut, kFoot},
                                    {kStem, kFoot}}));
    shape.centre = {kWidth / 2, 0.5};
    return shape;
}

LetterShape SmallM() {
    constexpr double kStem = 0.15, kGap = 0.24, kHeight = 0.62;
    constexpr double kOuter = kStem + kGap / 2, kInner = kGap / 2;
    constexpr double kShoulder = kHeight - kOuter;
    LetterShape shape;
    shape.pieces.push_back(Box(0, 0, kStem, kHeight));
    for (int arch = 0; arch < 2; ++arch) {
        double left = arch * (kStem + kGap);
        shape.pieces.push_back(Box(left + kStem + kGap, 0, left + 2 * kStem + kGap, kShoulder));
        AddArch(shape.pieces, {left + kOuter, kShoulder}, kOuter, kInner);
    }
    shape.centre = {(3 * kStem + 2 * kGap) / 2, kHeight / 2};
    return shape;
}

} // namespace artwork
