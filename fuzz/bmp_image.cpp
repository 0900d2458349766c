// mImageBMP over arbitrary bytes; see PictureFuzzing.h.
#include "engine/media/mImageBMP.h"
#include "fuzz/PictureFuzzing.h"

#include <cstring>
#include <cstdlib>

namespace {

// Width and height follow the file header and the info header's size: 16-bit in a core
// header (12 bytes), 32-bit signed otherwise.
uint64_t HeaderArea(const uint8_t* data, size_t size) {
    if (size < 26) return 0;
    uint32_t headerSize;
    std::memcpy(&headerSize, data + 14, 4);
    if (headerSize == 12) return uint64_t(data[18] | data[19] << 8) * (data[20] | data[21] << 8);
    int32_t width, height;
    std::memcpy(&width, data + 18, 4);
    std::memcpy(&height, data + 22, 4);
    return uint64_t(std::llabs(width)) * uint64_t(std::llabs(height));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (picturefuzz::TooLarge(HeaderArea(data, size))) return 0;
    return picturefuzz::Exercise<mImageBMP>(data, size);
}
