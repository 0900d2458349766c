// Which wave formats the devices take.
#pragma once
#include "platform/win32.h"

namespace platform {

// PCM of 8 or 16 bits, 1 or 2 channels, 1 Hz to 192 kHz, with a block size and byte rate
// that agree with those: a header's bytes are then whole sample frames of known timing.
bool IsPlayableFormat(const WAVEFORMATEX& format);

} // namespace platform
