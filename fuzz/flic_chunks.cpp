// Each FLIC chunk decoder on arbitrary bytes into a small frame whose rows are fenced by
// padding: a write outside the frame, or a read past the data, stops the run.
#include "engine/media/FlicDecoders.h"
#include "engine/media/mFile.h"
#include "platform/testing/message_boxes.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr LONG padding = 5;
constexpr BYTE fence = 0xA5;

void Decode(BYTE selector, FlicReader& in, const FlicCanvas& frame, RGBQUAD* palette) {
    RECT changed{frame.width, frame.height, 0, 0};
    switch (selector % 7) {
    case 0:
        DecodeFlicColours(in, palette, 0);
        break;
    case 1:
        DecodeFlicColours(in, palette, 2);
        break;
    case 2:
        DecodeFlicDeltaFlc(in, frame, changed);
        break;
    case 3:
        DecodeFlicDeltaFli(in, frame, changed);
        break;
    case 4:
        DecodeFlicBlack(frame, changed);
        break;
    case 5:
        DecodeFlicByteRun(in, frame, changed);
        break;
    default:
        DecodeFlicCopy(in, frame, changed);
        break;
    }
    if (changed.left < 0 || changed.top < 0 || changed.right > frame.width ||
        changed.bottom > frame.height)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    BYTE selector = data[0];
    LONG width = 1 + data[1] % 40, height = 1 + data[2] % 24;
    LONG stride = width + padding;
    std::vector<BYTE> pixels(size_t(stride) * size_t(height), fence);
    bool bottomUp = selector & 0x80;
    FlicCanvas frame{bottomUp ? &pixels[size_t(stride) * size_t(height - 1)] : pixels.data(),
                     bottomUp ? -stride : stride, width, height};
    std::vector<RGBQUAD> palette(256);
    // Exactly the bytes given, so a read past them is a heap overflow.
    std::vector<BYTE> chunk(data + 3, data + size);
    mFile stream;
    stream.OpenMemory(chunk.data(), LONG(chunk.size()));
    {
        FlicReader in(stream);
        Decode(selector, in, frame, palette.data());
    }
    for (LONG row = 0; row < height; ++row)
        for (LONG x = width; x < stride; ++x)
            if (pixels[size_t(row) * size_t(stride) + size_t(x)] != fence) std::abort();
    stream.Close();
    platform::testing::ClearMessageBoxes();
    return 0;
}
