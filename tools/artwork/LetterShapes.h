// The letters as unions of convex outline pieces in a plane (y up, letter height 1).
#pragma once

#include <vector>

namespace artwork {

struct Point2 {
    double x = 0, y = 0;
};

// An outline edge that stands for part of a circle: its wall is shaded with the circle's
// normals, so a polygonal arch looks round.
struct EdgeCurve {
    bool curved = false;
    Point2 centre;
    double sign = 1; // +1: normal points away from the centre, -1: towards it
};

struct Piece {
    std::vector<Point2> points;   // counter-clockwise, convex
    std::vector<EdgeCurve> edges; // edge i runs from point i to point i + 1
};

struct LetterShape {
    std::vector<Piece> pieces;
    Point2 centre; // the point the letter turns about
};

LetterShape CapitalL();
LetterShape SmallM();

} // namespace artwork
