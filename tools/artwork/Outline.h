// The outline of a letter made of overlapping pieces: the parts of the pieces' edges that
// border the outside, without the joints where pieces meet or overlap.
#pragma once

#include <vector>

#include "tools/artwork/LetterShapes.h"

namespace artwork {

struct Segment2 {
    Point2 a, b;
};

// In coordinates centred on the letter's turning point, as the mesh is.
std::vector<Segment2> LetterOutline(const LetterShape& shape);

} // namespace artwork
