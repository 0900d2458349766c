// One video decompressor on arbitrary bytes: the first three bytes choose the frame's size
// and the row orders, the rest is the compressed frame, handed over exactly, so a read past it
// is a heap overflow, as is a write past the frame. The padding at each row's end is fenced:
// a write into it stops the run.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/win32.h"

struct FuzzFormat {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

inline int FuzzVideoCodec(FOURCC handler, DWORD compression, const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    constexpr BYTE fence = 0xA5;
    LONG width = 1 + data[0] % 64, height = 1 + data[1] % 48;
    LONG outputHeight = data[2] & 1 ? -height : height;
    LONG inputHeight = data[2] & 2 ? -height : height;
    LONG stride = (width + 3) & ~3;
    FuzzFormat in{{sizeof(BITMAPINFOHEADER), width, inputHeight, 1, 8, compression, DWORD(size - 3),
                   0, 0, 0, 0},
                  {}};
    FuzzFormat out{{sizeof(BITMAPINFOHEADER), width, outputHeight, 1, 8, BI_RGB, 0, 0, 0, 0, 0},
                   {}};
    HIC hic = ICOpen(ICTYPE_VIDEO, handler, ICMODE_FASTDECOMPRESS);
    if (!hic || ICDecompressBegin(hic, &in.header, &out.header) != ICERR_OK) std::abort();
    std::vector<BYTE> frame(data + 3, data + size);
    std::vector<BYTE> pixels(size_t(stride) * size_t(height), fence);
    ICDecompress(hic, 0, &in.header, frame.data(), &out.header, pixels.data());
    ICDecompressEnd(hic);
    ICClose(hic);
    for (LONG row = 0; row < height; ++row)
        for (LONG x = width; x < stride; ++x)
            if (pixels[size_t(row) * size_t(stride) + size_t(x)] != fence) std::abort();
    return 0;
}
