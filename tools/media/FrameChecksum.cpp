#include "tools/media/FrameChecksum.h"

#include <cstring>

// Per lane, two running sums over 64-bit words, the second summing the first (Fletcher's
// scheme), so the order of the words counts as well as their values. The four lanes are one
// vector, 32 bytes a step in a few vector additions: the checksum must cost much less than
// the decode it checks.
void FrameChecksum::Add(const BYTE* bytes, size_t count) {
    // Locals: the members would be stored back at every step, as bytes may alias them.
    Lanes sums = sums_, sumsOfSums = sumsOfSums_;
    size_t i = 0;
    for (; i + sizeof(Lanes) <= count; i += sizeof(Lanes)) {
        Lanes words;
        std::memcpy(&words, bytes + i, sizeof words);
        sums += words;
        sumsOfSums += sums;
    }
    // The tail with its length, so runs of zero bytes of different lengths differ.
    Lanes tail = {};
    std::memcpy(&tail, bytes + i, count - i);
    tail[0] ^= uint64_t(count - i) << 58;
    sums_ = sums + tail;
    sumsOfSums_ = sumsOfSums + sums_;
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

// All sums mixed, so that every bit of each reaches the whole value.
uint64_t FrameChecksum::Value() const {
    uint64_t value = 0;
    for (int lane = 0; lane < kLanes; ++lane) {
        value = (value ^ sums_[lane]) * 0xbf58476d1ce4e5b9ull;
        value = (value ^ sumsOfSums_[lane]) * 0x94d049bb133111ebull;
        value ^= value >> 31;
    }
    return value;
}
