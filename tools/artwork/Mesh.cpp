#include "tools/artwork/Mesh.h"

namespace artwork {
namespace {

Vec3 At(Point2 p, Point2 centre, double z) {
    return {p.x - centre.x, p.y - centre.y, z};
}

Face Cap(const Piece& piece, Point2 centre, double z, bool front) {
    Face face;
    size_t n = piece.points.size();
    for (size_t i = 0; i < n; ++i)
        face.vertices.push_back(At(piece.points[front ? i : n - 1 - i], centre, z));
    face.normal = {0, 0, front ? 1.0 : -1.0};
    return face;
}

Face Wall(const Piece& piece, size_t edge, Point2 centre, double half) {
    Point2 a = piece.points[edge];
    Point2 b = piece.points[(edge + 1) % piece.points.size()];
    Face face;
    face.vertices = {At(a, centre, half), At(a, centre, -half), At(b, centre, -half),
                     At(b, centre, half)};
    face.normal = Normalize({b.y - a.y, a.x - b.x, 0});
    face.surface = Surface::Wall;
    const EdgeCurve& curve = piece.edges[edge];
    face.curved = curve.curved;
    face.curveSign = curve.sign;
    face.axisPoint = At(curve.centre, centre, 0);
    return face;
}

} // namespace

std::vector<Face> ExtrudeLetter(const LetterShape& shape, double depth) {
    std::vector<Face> faces;
    double half = depth / 2;
    for (const Piece& piece : shape.pieces) {
        faces.push_back(Cap(piece, shape.centre, half, true));
        faces.push_back(Cap(piece, shape.centre, -half, false));
        for (size_t i = 0; i < piece.points.size(); ++i)
            faces.push_back(Wall(piece, i, shape.centre, half));
    }
    return faces;
}

} // namespace artwork
