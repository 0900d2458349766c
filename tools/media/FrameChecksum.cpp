#include "tools/media/FrameChecksum.h"

#include <cstring>

namespace {

template <typename Lanes>
inline void AddWords(Lanes& sums, Lanes& sumsOfSums, const BYTE* bytes) {
    Lanes words;
    std::memcpy(&words, bytes, sizeof words);
    sums += words;
    sumsOfSums += sums;
}

} // namespace

// Per lane, two running sums over 64-bit words, the second summing the first (Fletcher's
// scheme), so the order of the words counts as well as their values. A step is a few vector
// additions on 64 bytes: the checksum must cost much less than the decode it checks.
void FrameChecksum::AddRows(const BYTE* first, ptrdiff_t pitch, size_t count, LONG rows) {
    // Locals: the members would be stored back at every step, as bytes may alias them.
    Lanes s0 = state_.sums0, s1 = state_.sums1, s2 = state_.sums2, s3 = state_.sums3;
    Lanes ss0 = state_.sumsOfSums0, ss1 = state_.sumsOfSums1, ss2 = state_.sumsOfSums2,
          ss3 = state_.sumsOfSums3;
    auto step = [&](const BYTE* at) {
        AddWords(s0, ss0, at);
        AddWords(s1, ss1, at + sizeof(Lanes));
        AddWords(s2, ss2, at + 2 * sizeof(Lanes));
        AddWords(s3, ss3, at + 3 * sizeof(Lanes));
    };
    const size_t whole = count - count % kStep;
    for (const BYTE* row = first; rows-- > 0; row += pitch) {
        for (size_t i = 0; i < whole; i += kStep) step(row + i);
        // A short tail with its length, so runs of zero bytes of different lengths differ
        // (whole steps of zeros still move the sums of sums).
        if (whole < count) {
            BYTE tail[kStep] = {};
            std::memcpy(tail, row + whole, count - whole);
            tail[kStep - 1] ^= BYTE(0x80 | (count - whole));
            step(tail);
        }
    }
    state_ = Sums{s0, s1, s2, s3, ss0, ss1, ss2, ss3};
}

void FrameChecksum::AddPicture(const mBitmapInfo& picture) {
    AddArea(picture, RECT{0, 0, picture.width, picture.height});
}

void FrameChecksum::AddArea(const mBitmapInfo& picture, const RECT& area) {
    const LONG place[4] = {area.left, area.top, area.right, area.bottom};
    Add(reinterpret_cast<const BYTE*>(place), sizeof place);
    const LONG pixelBytes = picture.bitsPerPixel / 8;
    if (area.bottom <= area.top) return;
    AddRows(picture.topRow + area.top * picture.pitch + area.left * pixelBytes, picture.pitch,
            static_cast<size_t>(area.right - area.left) * pixelBytes, area.bottom - area.top);
}

void FrameChecksum::AddPalette(const RGBQUAD* palette) {
    Add(reinterpret_cast<const BYTE*>(palette), 256 * sizeof(RGBQUAD));
}

// All sums mixed, so that every bit of each reaches the whole value.
uint64_t FrameChecksum::Value() const {
    const Lanes all[] = {state_.sums0,       state_.sums1,       state_.sums2,
                         state_.sums3,       state_.sumsOfSums0, state_.sumsOfSums1,
                         state_.sumsOfSums2, state_.sumsOfSums3};
    uint64_t value = 0;
    for (const Lanes& lanes : all)
        for (int lane = 0; lane < 2; ++lane) {
            value = (value ^ lanes[lane]) * 0xbf58476d1ce4e5b9ull;
            value ^= value >> 31;
        }
    return value;
}
