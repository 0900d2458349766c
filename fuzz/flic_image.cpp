// A whole FLIC image from memory: header, frames, forward and backward seeks, the ring
// frame, and drawing clipped onto a small target of either row order.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageFlic.h"
#include "platform/testing/message_boxes.h"

#include <cstdint>
#include <vector>

namespace {

// Large frames only make iterations slow; the decoders see the same shapes when small.
bool FrameTooLarge(const uint8_t* data, size_t size) {
    if (size < 12) return false;
    unsigned width = data[8] | data[9] << 8, height = data[10] | data[11] << 8;
    return width * height > 256 * 256;
}

void Exercise(mImageFlic& image) {
    LONG frames = image.formatInfo->frameCount;
    LONG steps = frames < 40 ? frames + 2 : 40;
    for (LONG i = 0; i < steps; ++i) {
        image.SeekFrame(i, 0);
        RECT clip{-5, 3, 50, 60};
        image.Draw(LONG(i * 7) - 20, -LONG(i * 3), i % 2 ? &clip : nullptr);
    }
    image.SeekFrame(frames / 2, 0);
    image.Draw(1, 1, nullptr);
    image.SeekFrame(1, 2);
    image.SeekFrame(0, 0);
    image.SeekFrame(1, 1);
    image.Draw(0, 0, nullptr);
    image.SeekFrame(INT32_MAX, 1);
    image.SeekFrame(INT32_MIN, 2);
    image.SeekFrame(-3, 0);
    image.Draw(0, 0, nullptr);
    image.SetTarget(nullptr);
    image.Draw(0, 0, nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (FrameTooLarge(data, size)) return 0;
    std::vector<uint8_t> bytes(data, data + size);
    {
        mImageFlic image;
        image.OpenMemory(bytes.data(), LONG(bytes.size()));
        if (image.ReadHeader()) {
            mBitmap target;
            bool topDown = size > 14 && (data[14] & 1);
            target.Create(48, topDown ? -40 : 40, 8);
            if (size > 15 && (data[15] & 1)) image.SetKeyColour(data[15]);
            image.SetRemap(size > 15 && (data[15] & 2));
            if (image.SetTarget(&target)) Exercise(image);
            image.SetTarget(nullptr);
        }
        image.Close();
    }
    platform::testing::ClearMessageBoxes();
    return 0;
}
