#include "platform/winmm/wave_format_check.h"

namespace platform {

bool IsPlayableFormat(const WAVEFORMATEX& format) {
    if (format.wFormatTag != WAVE_FORMAT_PCM) return false;
    if (format.wBitsPerSample != 8 && format.wBitsPerSample != 16) return false;
    if (format.nChannels != 1 && format.nChannels != 2) return false;
    if (format.nSamplesPerSec == 0 || format.nSamplesPerSec > 192000) return false;
    DWORD block = DWORD(format.nChannels) * format.wBitsPerSample / 8;
    return format.nBlockAlign == block && format.nAvgBytesPerSec == format.nSamplesPerSec * block;
}

} // namespace platform
