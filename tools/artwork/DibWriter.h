// Device-independent bitmap pieces shared by the icon and bitmap files: the 40-byte info
// header, the colour table and 8-bit rows, bottom row first, padded to four bytes.
#pragma once

#include <cstdint>

#include "tools/flic/ByteSink.h"
#include "tools/flic/FlicWriter.h"

namespace artwork {

constexpr uint32_t kDibHeaderSize = 40;
constexpr uint32_t kColourTableSize = 256 * 4;

uint32_t RowBytes(int width, int bitsPerPixel);
// headerHeight is the height field (an icon's is twice the picture's, counting its mask).
void WriteDibHeader(flic::ByteSink& out, int width, int headerHeight, uint32_t imageBytes);
void WriteColourTable(flic::ByteSink& out, const flic::Palette& palette);
void WriteRows8(flic::ByteSink& out, const uint8_t* pixels, int width, int height);

} // namespace artwork
