// The saver's colour mapping: shift mode rotates each colour's hue by the hue setting;
// colorize mode gives every colour that hue at full saturation.
#pragma once

#include "engine/gfx/Hsl.h"

// The saturation greys take in shift mode: 20 at hue 0 rising to 100 at hue 128. Uses the
// hue as given, not reduced modulo 256.
int GreySaturation(int hue);
// Only the hue's low byte becomes a hue.
ColourValue MapColour(ColourValue colour, int hue, bool shiftColours);
