#include "engine/gfx/mBitmap.h"

#include <cstring>

// Rows are addressed from bits, lowest address first, whatever the row order.
void mBitmap::Fill(BYTE colourIndex, const RECT* rects, int count) {
    const ptrdiff_t stride = record.stride;
    for (int i = 0; i < count; ++i) {
        const RECT& rect = rects[i];
        const LONG width = rect.right - rect.left;
        const LONG rows = rect.bottom - rect.top;
        if (width <= 0 || rows <= 0) continue;
        const LONG lowestRow = record.topDown ? rect.top : record.height - rect.bottom;
        BYTE* row = record.bits + lowestRow * stride + rect.left;
        for (LONG k = 0; k < rows; ++k, row += stride)
            std::memset(row, colourIndex, width);
    }
}
