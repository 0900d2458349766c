// The RLE8 video decompressor on arbitrary frames of arbitrary sizes.
#include "fuzz/video_codec_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzVideoCodec(mmioFOURCC('M', 'R', 'L', 'E'), BI_RLE8, data, size);
}
