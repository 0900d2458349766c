#include "platform/host/posix/pixel_memory.h"

#include <cstdlib>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace platform {
namespace {

constexpr size_t kHugePage = size_t{1} << 21;
// A full-screen 8-bit bitmap (1920 x 1080 is just under 2 MB) is worth one huge page; below
// this, rounding up would waste more than it saves.
constexpr size_t kSmallestOnHugePages = kHugePage / 2;

} // namespace

void PixelMemoryRelease::operator()(void* block) const {
    std::free(block);
}

void* AllocatePixelMemory(size_t bytes) {
    if (bytes < kSmallestOnHugePages) return std::calloc(bytes ? bytes : 1, 1);
    size_t rounded = (bytes + kHugePage - 1) & ~(kHugePage - 1);
    if (rounded < bytes) return nullptr;
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (!block) return nullptr;
#ifdef MADV_HUGEPAGE
    madvise(block, rounded, MADV_HUGEPAGE);
#endif
    std::memset(block, 0, bytes);
    return block;
}

} // namespace platform
