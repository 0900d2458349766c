// The PCX scanline and BMP run-length decoders on arbitrary bytes, through a window placed
// and clipped by the input over a target whose rows are fenced by padding: a write outside
// the visible part, or a read past the data, stops the run.
#include "engine/gfx/mBitmap.h"
#include "engine/media/PictureDecoders.h"
#include "engine/media/mFile.h"
#include "platform/testing/message_boxes.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr LONG targetWidth = 20, targetHeight = 12, padding = 5;
constexpr BYTE fence = 0xA5;

// Every byte outside the visible part keeps the fence.
void CheckFence(const std::vector<BYTE>& pixels, LONG stride, const PictureWindow& window) {
    for (LONG row = 0; row < targetHeight; ++row)
        for (LONG x = 0; x < stride; ++x) {
            bool visible =
                row - window.y >= window.visible.top && row - window.y < window.visible.bottom &&
                x - window.x >= window.visible.left && x - window.x < window.visible.right;
            if (!visible && pixels[size_t(row * stride + x)] != fence) std::abort();
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) return 0;
    const BYTE selector = data[0];
    const LONG width = 1 + data[1] % 40, height = 1 + data[2] % 24;
    const LONG stride = targetWidth + padding;
    std::vector<BYTE> pixels(size_t(stride * targetHeight), fence);
    mBitmapInfo target{};
    target.width = targetWidth;
    target.height = targetHeight;
    target.pitch = stride;
    target.topRow = pixels.data();
    RECT clip{data[3] % 8, data[4] % 6, 20 - data[3] % 5, 12 - data[4] % 3};
    PictureWindow window = MakePictureWindow(target, 1, LONG(data[3] % 17) - 8,
                                             LONG(data[4] % 13) - 6, &clip, width, height);
    std::vector<BYTE> encoded(data + 5, data + size);
    mFile stream;
    stream.OpenMemory(encoded.data(), LONG(encoded.size()));
    {
        FlicReader in(stream);
        if (selector % 3 == 0) {
            std::vector<BYTE> line(static_cast<size_t>(width));
            for (LONG row = 0; row < height && DecodePcxScanline(in, line.data(), width); ++row)
                window.PutRow(row, line.data());
        } else {
            DecodeBmpRunLength(in, window, width, height, selector % 3 == 2);
        }
    }
    CheckFence(pixels, stride, window);
    stream.Close();
    platform::testing::ClearMessageBoxes();
    return 0;
}
