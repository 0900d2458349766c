// Distance from points of a letter's face to its outline, and the direction towards the
// nearest outline point, tabulated once on a fine grid for the renderer's many lookups.
#pragma once

#include <vector>

#include "tools/artwork/Outline.h"

namespace artwork {

struct EdgeDistance {
    double distance;
    double towardX, towardY; // unit vector to the nearest outline point
};

class EdgeField {
public:
    EdgeField(const std::vector<Segment2>& outline, double cell);
    EdgeDistance At(double x, double y) const;

private:
    static EdgeDistance Nearest(const std::vector<Segment2>& outline, Point2 p);

    double cell_, left_, bottom_;
    int columns_, rows_;
    std::vector<EdgeDistance> grid_;
};

} // namespace artwork
