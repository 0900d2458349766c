// 8-bit Video 1 frames: each 4 x 4 block as one colour, two colours, or two colours per
// 2 x 2 quarter (the nearer of the quarter's two commonest, by the palette, for the rest).
// Given the previous frame, unchanged blocks are skipped. Columns and rows past the last
// whole block are not coded.
#pragma once
#include "tools/avi/Frame8.h"

namespace avi {

std::vector<uint8_t> EncodeVideo1(const Frame8& frame, const Colour* palette,
                                  const Frame8* previous);

} // namespace avi
