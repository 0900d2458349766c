// The layout of an 8-bit device-independent bitmap as a BITMAPINFO describes it.
#pragma once
#include "platform/win32.h"

namespace platform::gdi {

struct DibFormat {
    LONG width = 0;
    LONG height = 0; // always positive
    bool topDown = false;
    LONG stride = 0;
    size_t imageBytes = 0;
    const RGBQUAD* colours = nullptr; // follows the header, colourCount entries
    UINT colourCount = 0;
};

// Only 8-bit uncompressed DIB_RGB_COLORS bitmaps of a sane size are accepted.
bool ReadDibFormat(const BITMAPINFO* info, UINT usage, DibFormat* format);

// Byte offset of row y (counted from the top) in either storage order.
inline size_t RowOffset(LONG y, LONG height, LONG stride, bool topDown) {
    return static_cast<size_t>(topDown ? y : height - 1 - y) * stride;
}

// Rows of an 8-bit DIB in memory, addressed from the top whatever the storage order.
struct DibPixels {
    const BYTE* bits;
    LONG width;
    LONG height;
    LONG stride;
    bool topDown;
    const BYTE* Row(LONG y) const { return bits + RowOffset(y, height, stride, topDown); }
};

} // namespace platform::gdi
