// A whole AVI movie from memory: headers and stream choice, the chunk walk through frames,
// palette changes and record lists, seeks with and without the index, and drawing clipped
// onto a small target. Every video decompressor is reached through the handler codes.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageAVI.h"
#include "platform/testing/message_boxes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Large frames only make iterations slow; the decoders see the same shapes when small. The
// cap is below the still pictures' (see PictureFuzzing.h) as up to forty frames are decoded.
bool FrameTooLarge(const uint8_t* data, size_t size) {
    static const char tag[] = "avih";
    const uint8_t* header = std::search(data, data + size, tag, tag + 4);
    if (size_t(header - data) + 48 > size) return false;
    uint32_t width, height;
    std::memcpy(&width, header + 40, 4);
    std::memcpy(&height, header + 44, 4);
    return uint64_t(width) * height > 256 * 256;
}

void Exercise(mImageAVI& image) {
    LONG frames = image.formatInfo->frameCount;
    LONG steps = frames < 38 ? frames + 2 : 40;
    for (LONG i = 0; i < steps; ++i) {
        image.SeekFrame(i, 0);
        RECT clip{-5, 3, 50, 60};
        image.Draw(LONG(i * 7) - 20, -LONG(i * 3), i % 2 ? &clip : nullptr);
    }
    image.SeekFrame(frames / 2, 0);
    image.Draw(1, 1, nullptr);
    image.SeekFrame(frames - 1, 0);
    image.Draw(0, 0, nullptr);
    image.SeekFrame(1, 2);
    image.SeekFrame(0, 0);
    image.SeekFrame(25, 1);
    image.Draw(0, 0, nullptr);
    image.SeekFrame(INT32_MAX, 1);
    image.SeekFrame(INT32_MIN, 2);
    image.SetPlayPosition(1);
    image.SetTarget(nullptr);
    image.Draw(0, 0, nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (FrameTooLarge(data, size)) return 0;
    // Exactly the bytes given, so a read past them is a heap overflow.
    std::vector<uint8_t> bytes(data, data + size);
    {
        mImageAVI image;
        image.OpenMemory(bytes.data(), LONG(bytes.size()));
        mBitmap target;
        if (image.ReadHeader() && target.Create(40, (size & 1) ? -30 : 30, 8)) {
            image.SetTarget(&target);
            image.SetAutoAdvance(size & 2 ? TRUE : FALSE);
            Exercise(image);
        }
        image.Close();
    }
    platform::testing::ClearMessageBoxes();
    return 0;
}
