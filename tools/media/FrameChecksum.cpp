#include "tools/media/FrameChecksum.h"

#include <cstring>

namespace {

constexpr uint64_t kPrime = 0x100000001b3ull;

} // namespace

// Eight bytes a step: the checksum must not cost more than the decode it checks.
void FrameChecksum::Add(const BYTE* bytes, size_t count) {
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        value_ = (value_ ^ word) * kPrime;
    }
    for (; i < count; ++i)
        value_ = (value_ ^ bytes[i]) * kPrime;
}

void FrameChecksum::AddPicture(const mBitmapInfo& picture) {
    for (LONG y = 0; y < picture.height; ++y)
        Add(picture.topRow + y * picture.pitch, static_cast<size_t>(picture.width));
}

void FrameChecksum::AddPalette(const RGBQUAD* palette) {
    Add(reinterpret_cast<const BYTE*>(palette), 256 * sizeof(RGBQUAD));
}
