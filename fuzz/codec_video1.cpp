// The Video 1 (8-bit) video decompressor on arbitrary frames of arbitrary sizes.
#include "fuzz/video_codec_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzVideoCodec(mmioFOURCC('C', 'R', 'A', 'M'), mmioFOURCC('C', 'R', 'A', 'M'), data,
                          size);
}
