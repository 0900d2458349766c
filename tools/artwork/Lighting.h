// The lights of the artwork: a warm key light above left, a cool fill from the right and a
// rim light from behind; fixed to the viewer, so highlights sweep over the turning letter.
#pragma once

#include "tools/artwork/Mesh.h"

namespace artwork {

// Brightness of a surface point, 0 (black) to about 1.3 (blown highlight).
double Shade(Surface surface, Vec3 normal, Vec3 point, Vec3 eye);

} // namespace artwork
