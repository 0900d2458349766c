// The uncompressed 8-bit video decoder on arbitrary frames of arbitrary sizes.
#include "fuzz/video_codec_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzVideoCodec(0, BI_RGB, data, size);
}
