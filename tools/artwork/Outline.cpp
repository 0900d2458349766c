#include "tools/artwork/Outline.h"

#include <cmath>

namespace artwork {
namespace {

// Each edge is judged in short parts: a part whose outer side lies inside another piece is
// a joint.
constexpr int kParts = 32;
constexpr double kNudge = 1e-6;

Point2 Lerp(Point2 a, Point2 b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

bool InsidePiece(const Piece& piece, Point2 p) {
    size_t n = piece.points.size();
    for (size_t i = 0; i < n; ++i) {
        Point2 a = piece.points[i], b = piece.points[(i + 1) % n];
        if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) <= 0) return false;
    }
    return true;
}

bool InsideAny(const LetterShape& shape, Point2 p) {
    for (const Piece& piece : shape.pieces)
        if (InsidePiece(piece, p)) return true;
    return false;
}

void AddOutlineParts(const LetterShape& shape, Point2 a, Point2 b, std::vector<Segment2>& out) {
    double length = std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
    Point2 outward{(b.y - a.y) / length * kNudge, (a.x - b.x) / length * kNudge};
    int runStart = -1;
    for (int part = 0; part <= kParts; ++part) {
        bool outline = false;
        if (part < kParts) {
            Point2 middle = Lerp(a, b, (part + 0.5) / kParts);
            outline = !InsideAny(shape, {middle.x + outward.x, middle.y + outward.y});
        }
        if (outline && runStart < 0) runStart = part;
        if (!outline && runStart >= 0) {
            out.push_back(
                {Lerp(a, b, double(runStart) / kParts), Lerp(a, b, double(part) / kParts)});
            runStart = -1;
        }
    }
}

} // namespace

std::vector<Segment2> LetterOutline(const LetterShape& shape) {
    std::vector<Segment2> outline;
    for (const Piece& piece : shape.pieces)
        for (size_t i = 0; i < piece.points.size(); ++i)
            AddOutlineParts(shape, piece.points[i], piece.points[(i + 1) % piece.points.size()],
                            outline);
    for (Segment2& s : outline) {
        s.a = {s.a.x - shape.centre.x, s.a.y - shape.centre.y};
        s.b = {s.b.x - shape.centre.x, s.b.y - shape.centre.y};
    }
    return outline;
}

} // namespace artwork
