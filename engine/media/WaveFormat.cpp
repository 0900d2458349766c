#include "engine/media/WaveFormat.h"

#include <algorithm>
#include <cstring>

DWORD WaveFormatBlockSize(DWORD chunkSize) {
    constexpr DWORD kLeast = sizeof(WAVEFORMATEX);
    constexpr DWORD kMost = sizeof(WAVEFORMATEX) + 0xFFFF;
    return std::clamp(chunkSize, kLeast, kMost);
}

WAVEFORMATEX ReadWaveFormat(const BYTE* bytes, DWORD size) {
    WAVEFORMATEX format{};
    if (bytes) std::memcpy(&format, bytes, std::min<DWORD>(size, sizeof format));
    return format;
}
