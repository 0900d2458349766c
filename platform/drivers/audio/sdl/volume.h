// The wave-out volume applied to samples as they go to the host (left in the low word,
// right in the high word; 0xFFFF is full and leaves samples as they are).
#pragma once
#include <cstddef>

#include "platform/win32.h"

namespace platform {

void ScaleVolume(BYTE* samples, size_t bytes, bool eightBit, int channels, DWORD volume);

} // namespace platform
