// ICOpen and ICClose over a fixed table of instances.
#include "platform/msvfw32/instances.h"

namespace platform::vfw {
namespace {

// More decompressors than any program here opens at once.
constexpr size_t kMaxInstances = 64;

Instance* Table() {
    static Instance table[kMaxInstances];
    return table;
}

} // namespace

Instance* LookupInstance(HIC handle) {
    for (size_t i = 0; i < kMaxInstances; ++i)
        if (reinterpret_cast<HIC>(&Table()[i]) == handle && Table()[i].codec) return &Table()[i];
    return nullptr;
}

} // namespace platform::vfw

using platform::vfw::Instance;

HIC VFWAPI ICOpen(DWORD fccType, DWORD fccHandler, UINT wMode) {
    if (platform::vfw::FoldCase(fccType) != platform::vfw::FoldCase(ICTYPE_VIDEO)) return nullptr;
    if (wMode != ICMODE_DECOMPRESS && wMode != ICMODE_FASTDECOMPRESS && wMode != ICMODE_QUERY)
        return nullptr;
    const platform::vfw::VideoCodec* codec = platform::vfw::FindCodec(fccHandler);
    if (!codec) return nullptr;
    Instance* table = platform::vfw::Table();
    for (size_t i = 0; i < platform::vfw::kMaxInstances; ++i) {
        if (table[i].codec) continue;
        table[i] = Instance{codec};
        return reinterpret_cast<HIC>(&table[i]);
    }
    return nullptr;
}

LRESULT VFWAPI ICClose(HIC hic) {
    Instance* instance = platform::vfw::LookupInstance(hic);
    if (!instance) return ICERR_BADHANDLE;
    *instance = Instance{nullptr};
    return ICERR_OK;
}
