// The one palette all four animations share. Entries 0-9 and 246-255 are the system's 20
// static colours (0 black, the transparent background); 10-245 hold three shading ramps,
// dark to highlight: gold and azure for the letters' faces, grey for their walls.
#pragma once

#include <cstdint>

#include "tools/flic/FlicWriter.h"

namespace artwork {

enum class Ramp { Gold, Azure, Grey };

struct RampRange {
    int first, count;
};

const flic::Palette& SaverPalette();
RampRange RangeOf(Ramp ramp);
// The ramp entry for a brightness 0..1; never the background's index.
uint8_t RampIndex(Ramp ramp, double brightness);

// A colour with components 0..255, for blends of two surfaces.
struct Blend {
    double r = 0, g = 0, b = 0;
};
Blend ColourOf(uint8_t index, double weight);
// The entry of either ramp closest to the blend (weighted for the eye's sensitivity).
uint8_t NearestEntry(Ramp first, Ramp second, Blend colour);

} // namespace artwork
