// COLOR_256 / COLOR_64: palette packets of the entries that changed.
#pragma once

#include "tools/flic/ByteSink.h"
#include "tools/flic/FlicWriter.h"

namespace flic {

// Component precision of a palette chunk: COLOR_256 keeps 8 bits, COLOR_64 keeps 6.
enum class ColourDepth { Bits8, Bits6 };

// Writes the chunk data (no chunk header) for the entries of `current` that differ from
// `previous` (all 256 when `previous` is null); false when nothing differs at the depth.
bool EncodeColourChunk(const Palette* previous, const Palette& current, ColourDepth depth,
                       ByteSink& out);

} // namespace flic
