// DELTA_FLI (LC): byte-oriented line delta from the previous frame.
#pragma once

#include "tools/flic/ByteSink.h"

namespace flic {

// Writes the chunk data (no chunk header) that turns `previous` into `current`; false
// (with `out` unchanged) when a row needs more packets than its count byte can hold.
bool EncodeDeltaFli(const uint8_t* previous, const uint8_t* current, int width, int height,
                    ByteSink& out);

} // namespace flic
