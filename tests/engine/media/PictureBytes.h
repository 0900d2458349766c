// Hand-made BMP, PCX and DCX files for the picture tests.
#pragma once

#include "tests/engine/media/FlicBytes.h"

#include <cstddef>

namespace picturetest {

using flictest::Append;
using flictest::Bytes;
using flictest::Put16;
using flictest::Put32;

struct BmpFields {
    int32_t width = 4;
    int32_t height = 3; // negative: top-down rows
    unsigned depth = 8;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    uint32_t infoSize = 40;
};

// Headers, colours (each entry blue, green, red, 0), then pixels as given.
inline Bytes Bmp(const BmpFields& f, const Bytes& colours, const Bytes& pixels) {
    Bytes out{'B', 'M'};
    const uint32_t offset = 14 + f.infoSize + uint32_t(colours.size());
    Put32(out, offset + uint32_t(pixels.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, f.infoSize);
    Put32(out, uint32_t(f.width));
    Put32(out, uint32_t(f.height));
    Put16(out, 1);
    Put16(out, f.depth);
    Put32(out, f.compression);
    Put32(out, uint32_t(pixels.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, f.coloursUsed);
    Put32(out, 0);
    out.resize(14 + f.infoSize);
    Append(out, colours);
    Append(out, pixels);
    return out;
}

// Colour entries whose blue byte is 100 + i, green i, red 200 - i.
inline Bytes BmpColours(unsigned count) {
    Bytes out;
    for (unsigned i = 0; i < count; ++i)
        out.insert(out.end(), {uint8_t(100 + i), uint8_t(i), uint8_t(200 - i), 0});
    return out;
}

struct PcxFields {
    unsigned width = 4;
    unsigned height = 3;
    unsigned depth = 8;
    unsigned planes = 1;
    unsigned lineBytes = 4;
};

// A header whose 16 colours are (3i, 3i + 1, 3i + 2), the encoded data, then 256 colours
// (i, 255 - i, i / 2) after the marker when endPalette is set.
inline Bytes Pcx(const PcxFields& f, const Bytes& data, bool endPalette) {
    Bytes out{10, 5, 1, uint8_t(f.depth)};
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, f.width - 1);
    Put16(out, f.height - 1);
    Put16(out, 72);
    Put16(out, 72);
    for (int i = 0; i < 48; ++i)
        out.push_back(uint8_t(i));
    out.push_back(0);
    out.push_back(uint8_t(f.planes));
    Put16(out, f.lineBytes);
    out.resize(128);
    Append(out, data);
    if (endPalette) {
        out.push_back(12);
        for (int i = 0; i < 256; ++i)
            out.insert(out.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)});
    }
    return out;
}

// The page table (magic, offsets, a zero) followed by the pages.
inline Bytes Dcx(const std::vector<Bytes>& pages) {
    Bytes out;
    Put32(out, 0x3ADE68B1);
    uint32_t offset = 4100;
    for (const Bytes& page : pages) {
        Put32(out, offset);
        offset += uint32_t(page.size());
    }
    out.resize(4100);
    for (const Bytes& page : pages)
        Append(out, page);
    return out;
}

} // namespace picturetest
