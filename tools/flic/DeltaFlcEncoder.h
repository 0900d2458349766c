// DELTA_FLC (SS2): word-oriented line delta from the previous frame.
#pragma once

#include "tools/flic/ByteSink.h"

namespace flic {

// Writes the chunk data (no chunk header) that turns `previous` into `current`.
void EncodeDeltaFlc(const uint8_t* previous, const uint8_t* current, int width, int height,
                    ByteSink& out);

} // namespace flic
