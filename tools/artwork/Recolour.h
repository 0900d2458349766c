// The saver's hue arithmetic on the artwork's palettes, so the artwork can be checked (and
// the colour strip drawn) the way the saver will recolour it: shift rotates each colour's
// hue, colorize gives every colour one hue at full saturation.
#pragma once

#include "tools/flic/FlicWriter.h"

namespace artwork {

flic::Rgb ShiftHue(flic::Rgb colour, int hue);
flic::Rgb Colorize(flic::Rgb colour, int hue);
// Entries 10 to 245 recoloured, the rest kept.
flic::Palette Recoloured(const flic::Palette& palette, int hue, bool shift);
// A hue at full saturation and half lightness, as the colour strip shows it.
flic::Rgb PureHue(int hue);

} // namespace artwork
