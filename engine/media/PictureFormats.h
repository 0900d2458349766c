// Numbers of the still-picture formats: BMP, PCX and DCX.
#pragma once

#include <cstdint>

namespace bmp {

constexpr uint16_t kSignature = 0x4D42; // "BM"
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

enum Compression : uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
};

} // namespace bmp

namespace pcx {

constexpr uint8_t kManufacturer = 10;
constexpr uint8_t kRunLengthEncoding = 1;
constexpr int kHeaderSize = 128;
constexpr int kHeaderPaletteOffset = 16;
// The 256-colour palette: a marker byte, then 768 bytes red, green, blue.
constexpr uint8_t kPaletteMarker = 12;
constexpr int kEndPaletteSize = 769;

} // namespace pcx

namespace dcx {

constexpr uint32_t kMagic = 0x3ADE68B1; // 987654321
constexpr int kMaxPages = 1024;
constexpr int kTableSize = 4 + 4 * kMaxPages;

} // namespace dcx
