// Shading normals of an extruded letter whose edges between face and wall look rounded:
// within `radius` of such an edge both surfaces tilt towards each other, meeting at 45
// degrees, so highlights run along the edges. The geometry itself stays sharp.
#pragma once

#include "tools/artwork/EdgeField.h"
#include "tools/artwork/Mesh.h"

namespace artwork {

class RoundedEdges {
public:
    RoundedEdges(const LetterShape& shape, double depth, double radius);
    // Object-space normal of the face at an object-space point on it.
    Vec3 Normal(const Face& face, Vec3 point) const;

private:
    Vec3 CapNormal(const Face& face, Vec3 point) const;
    Vec3 WallNormal(const Face& face, Vec3 point) const;

    EdgeField field_;
    double half_, radius_;
};

} // namespace artwork
