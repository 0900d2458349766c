#include "platform/drivers/audio/sdl/volume.h"

#include <cstdint>
#include <cstring>

namespace platform {
namespace {

// 0xFFFF is full volume: scale 0x10000, the sample unchanged.
uint32_t Scale(WORD volume) {
    return volume == 0xFFFF ? 0x10000 : volume;
}

int32_t Scaled(int32_t sample, uint32_t scale) {
    return int32_t(int64_t(sample) * scale >> 16);
}

} // namespace

void ScaleVolume(BYTE* samples, size_t bytes, bool eightBit, int channels, DWORD volume) {
    if (volume == 0xFFFFFFFF) return;
    const uint32_t scales[2] = {Scale(LOWORD(volume)), Scale(HIWORD(volume))};
    const size_t width = eightBit ? 1 : 2;
    for (size_t at = 0, i = 0; at + width <= bytes; at += width, ++i) {
        uint32_t scale = scales[channels == 2 ? i % 2 : 0];
        if (eightBit) {
            samples[at] = BYTE(Scaled(int32_t(samples[at]) - 128, scale) + 128);
        } else {
            int16_t sample;
            std::memcpy(&sample, samples + at, 2);
            sample = int16_t(Scaled(sample, scale));
            std::memcpy(samples + at, &sample, 2);
        }
    }
}

} // namespace platform
