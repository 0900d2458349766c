// Zero-filled memory for pictures and bitmaps. A screen-sized block lives on huge pages where
// the host offers them: a copy of a small area touches one page per row, and with ordinary
// pages most rows of a scattered copy would miss the TLB.
#pragma once
#include <cstddef>
#include <memory>

namespace platform {

struct PixelMemoryRelease {
    void operator()(void* block) const;
};

template <typename T> using PixelBlock = std::unique_ptr<T[], PixelMemoryRelease>;

// Null when the memory cannot be had.
void* AllocatePixelMemory(size_t bytes);

template <typename T> PixelBlock<T> AllocatePixels(size_t count) {
    return PixelBlock<T>(static_cast<T*>(AllocatePixelMemory(count * sizeof(T))));
}

} // namespace platform
