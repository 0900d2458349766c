// RLE8 (BI_RLE8) frames: runs of three or more equal pixels, literal strings for the rest.
// Given the previous frame, pixels that did not change are passed over with deltas.
#pragma once
#include "tools/avi/Frame8.h"

namespace avi {

std::vector<uint8_t> EncodeRle8(const Frame8& frame, const Frame8* previous);

} // namespace avi
