#include "tools/media/FrameChecksum.h"

#include <cstring>

// Two running sums over 64-bit words, the second summing the first (Fletcher's scheme), so
// the order of the words counts as well as their values, at two additions a word: the
// checksum must cost much less than the decode it checks.
void FrameChecksum::Add(const BYTE* bytes, size_t count) {
    uint64_t sum = sum_, sumOfSums = sumOfSums_;
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        sum += word;
        sumOfSums += sum;
    }
    // The tail with its length, so runs of zero bytes of different lengths differ.
    uint64_t tail = count - i;
    std::memcpy(&tail, bytes + i, count - i);
    sum += tail ^ (uint64_t(count - i) << 59);
    sumOfSums_ = sumOfSums + sum;
    sum_ = sum;
}

void FrameChecksum::AddPicture(const mBitmapInfo& picture) {
    AddArea(picture, RECT{0, 0, picture.width, picture.height});
}

void FrameChecksum::AddArea(const mBitmapInfo& picture, const RECT& area) {
    const LONG place[4] = {area.left, area.top, area.right, area.bottom};
    Add(reinterpret_cast<const BYTE*>(place), sizeof place);
    const LONG pixelBytes = picture.bitsPerPixel / 8;
    for (LONG y = area.top; y < area.bottom; ++y)
        Add(picture.topRow + y * picture.pitch + area.left * pixelBytes,
            static_cast<size_t>(area.right - area.left) * pixelBytes);
}

void FrameChecksum::AddPalette(const RGBQUAD* palette) {
    Add(reinterpret_cast<const BYTE*>(palette), 256 * sizeof(RGBQUAD));
}

// Both sums mixed, so that every bit of each reaches the whole value.
uint64_t FrameChecksum::Value() const {
    uint64_t value = sum_ ^ (sumOfSums_ * 0xbf58476d1ce4e5b9ull);
    value ^= value >> 31;
    value *= 0x94d049bb133111ebull;
    return value ^ (value >> 29);
}
