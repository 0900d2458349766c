// The inner loops of the copies: 8-bit source pixels through a translation table into
// framebuffer values or destination indices.
#pragma once
#include <vector>

#include "platform/gdi32/dib_format.h"
#include "platform/gdi32/row_conversion.h"

namespace platform::gdi {

// The destination rectangle and, for each of its columns and rows, the source column and
// row (counted from the top) it shows; every entry lies inside the source.
struct ScaledCopy {
    RECT area;
    std::vector<LONG> columns;
    std::vector<LONG> rows;
};

template <typename RowOf, typename Table>
void CopyUnscaled(RowOf destinationRow, const RECT& area, const DibPixels& source, LONG sourceX,
                  LONG sourceY, const Table& table) {
    LONG width = area.right - area.left;
    for (LONG y = area.top; y < area.bottom; ++y) {
        ConvertRow(destinationRow(y) + area.left, source.Row(sourceY + (y - area.top)) + sourceX,
                   width, table.data());
    }
}

template <typename RowOf, typename Table>
void CopyScaled(RowOf destinationRow, const ScaledCopy& copy, const DibPixels& source,
                const Table& table) {
    const LONG* columns = copy.columns.data();
    LONG width = copy.area.right - copy.area.left;
    for (LONG y = copy.area.top; y < copy.area.bottom; ++y) {
        auto* out = destinationRow(y) + copy.area.left;
        const BYTE* in = source.Row(copy.rows[y - copy.area.top]);
        for (LONG i = 0; i < width; ++i)
            out[i] = table[in[columns[i]]];
    }
}

} // namespace platform::gdi
