// mImageDCX over arbitrary bytes; see PictureFuzzing.h.
#include "engine/media/mImageDCX.h"
#include "fuzz/PictureFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return picturefuzz::Exercise<mImageDCX>(data, size);
}
