// BYTE_RUN: a whole frame, run-length coded row by row.
#pragma once

#include "tools/flic/ByteSink.h"

namespace flic {

// Writes the chunk data (no chunk header) for width x height packed pixels.
void EncodeByteRun(const uint8_t* pixels, int width, int height, ByteSink& out);

} // namespace flic
