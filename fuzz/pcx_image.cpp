// mImagePCX over arbitrary bytes; see PictureFuzzing.h.
#include "engine/media/mImagePCX.h"
#include "fuzz/PictureFuzzing.h"

namespace {

// The window's corners, 16-bit little-endian, at bytes 4 to 11.
uint64_t HeaderArea(const uint8_t* data, size_t size) {
    if (size < 12) return 0;
    const auto word = [&](size_t at) { return uint32_t(data[at] | data[at + 1] << 8); };
    const uint32_t width = word(8) >= word(4) ? word(8) - word(4) + 1 : 0;
    const uint32_t height = word(10) >= word(6) ? word(10) - word(6) + 1 : 0;
    return uint64_t(width) * height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (picturefuzz::TooLarge(HeaderArea(data, size))) return 0;
    return picturefuzz::Exercise<mImagePCX>(data, size);
}
