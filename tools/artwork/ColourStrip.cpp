#include "tools/artwork/ColourStrip.h"

#include "tools/artwork/DibWriter.h"
#include "tools/artwork/Recolour.h"

namespace artwork {
namespace {

constexpr uint32_t kFileHeaderSize = 14;

} // namespace

std::vector<uint8_t> EncodeColourStrip() {
    flic::Palette hues{};
    for (int h = 0; h < 256; ++h)
        hues[h] = PureHue(h);
    std::vector<uint8_t> pixels(static_cast<size_t>(kStripWidth) * kStripHeight);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<uint8_t>(i % kStripWidth);

    uint32_t imageBytes = RowBytes(kStripWidth, 8) * kStripHeight;
    uint32_t bitsOffset = kFileHeaderSize + kDibHeaderSize + kColourTableSize;
    flic::ByteSink out;
    out.U8('B');
    out.U8('M');
    out.U32(bitsOffset + imageBytes);
    out.U32(0); // reserved
    out.U32(bitsOffset);
    WriteDibHeader(out, kStripWidth, kStripHeight, imageBytes);
    WriteColourTable(out, hues);
    WriteRows8(out, pixels.data(), kStripWidth, kStripHeight);
    return out.Take();
}

} // namespace artwork
