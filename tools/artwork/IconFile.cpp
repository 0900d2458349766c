#include "tools/artwork/IconFile.h"

#include "tools/artwork/DibWriter.h"

namespace artwork {
namespace {

constexpr uint32_t kDirectoryEntrySize = 16;

void WriteMask(flic::ByteSink& out, const Picture& pixels, int size) {
    uint32_t rowBytes = RowBytes(size, 1);
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < size; ++x)
            if (pixels[static_cast<size_t>(y) * size + x] == 0) row[x / 8] |= 0x80 >> (x % 8);
        out.Append(row);
    }
}

std::vector<uint8_t> EncodeImage(const IconImage& image, const flic::Palette& palette) {
    flic::ByteSink out;
    uint32_t bits = RowBytes(image.size, 8) * image.size + RowBytes(image.size, 1) * image.size;
    WriteDibHeader(out, image.size, image.size * 2, bits);
    WriteColourTable(out, palette);
    WriteRows8(out, image.pixels->data(), image.size, image.size);
    WriteMask(out, *image.pixels, image.size);
    return out.Take();
}

} // namespace

std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& images,
                                const flic::Palette& palette) {
    flic::ByteSink out;
    out.U16(0);
    out.U16(1); // icon
    out.U16(static_cast<uint16_t>(images.size()));
    std::vector<std::vector<uint8_t>> encoded;
    for (const IconImage& image : images)
        encoded.push_back(EncodeImage(image, palette));
    uint32_t offset = 6 + kDirectoryEntrySize * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.U8(static_cast<uint8_t>(images[i].size));
        out.U8(static_cast<uint8_t>(images[i].size));
        out.U8(0); // 256 colours
        out.U8(0);
        out.U16(1); // planes
        out.U16(8); // bits per pixel
        out.U32(static_cast<uint32_t>(encoded[i].size()));
        out.U32(offset);
        offset += static_cast<uint32_t>(encoded[i].size());
    }
    for (const std::vector<uint8_t>& image : encoded)
        out.Append(image);
    return out.Take();
}

} // namespace artwork
