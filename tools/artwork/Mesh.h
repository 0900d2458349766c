// A letter extruded into a solid: front and back caps and the walls of every piece.
#pragma once

#include <vector>

#include "tools/artwork/LetterShapes.h"
#include "tools/artwork/Vec3.h"

namespace artwork {

enum class Surface { Cap, Wall };

struct Face {
    std::vector<Vec3> vertices; // convex, counter-clockwise seen from outside
    Vec3 normal;                // outward
    Surface surface = Surface::Cap;
    // Walls of round edges take their normals from the circle's axis (parallel to z).
    bool curved = false;
    double curveSign = 1;
    Vec3 axisPoint;
};

// Faces centred on the letter's turning point; depth is the extrusion's full thickness.
std::vector<Face> ExtrudeLetter(const LetterShape& shape, double depth);

} // namespace artwork
