#include "tools/artwork/DibWriter.h"

namespace artwork {

uint32_t RowBytes(int width, int bitsPerPixel) {
    return (static_cast<uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

void WriteDibHeader(flic::ByteSink& out, int width, int headerHeight, uint32_t imageBytes) {
    out.U32(kDibHeaderSize);
    out.U32(static_cast<uint32_t>(width));
    out.U32(static_cast<uint32_t>(headerHeight));
    out.U16(1); // planes
    out.U16(8); // bits per pixel
    out.U32(0); // uncompressed
    out.U32(imageBytes);
    out.U32(2835); // 72 dpi
    out.U32(2835);
    out.U32(256); // colours used
    out.U32(0);   // all important
}

void WriteColourTable(flic::ByteSink& out, const flic::Palette& palette) {
    for (const flic::Rgb& c : palette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
}

void WriteRows8(flic::ByteSink& out, const uint8_t* pixels, int width, int height) {
    uint32_t padding = RowBytes(width, 8) - static_cast<uint32_t>(width);
    for (int y = height - 1; y >= 0; --y) {
        out.Append(pixels + static_cast<size_t>(y) * width, width);
        for (uint32_t i = 0; i < padding; ++i)
            out.U8(0);
    }
}

} // namespace artwork
