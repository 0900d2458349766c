#include "engine/media/PictureWindow.h"

#include "engine/gfx/mBitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Clamps a wide value into LONG range; the visible area is empty whenever it would not fit.
LONG Narrow(int64_t value) {
    return LONG(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

// Computed wide, so placements near the LONG limits cannot overflow.
PictureWindow MakePictureWindow(const mBitmapInfo& target, LONG bytesPerPixel, LONG x, LONG y,
                                const RECT* clip, LONG width, LONG height) {
    int64_t left = 0, top = 0, right = target.width, bottom = target.height;
    if (clip) {
        left = std::max<int64_t>(left, clip->left);
        top = std::max<int64_t>(top, clip->top);
        right = std::min<int64_t>(right, clip->right);
        bottom = std::min<int64_t>(bottom, clip->bottom);
    }
    RECT visible{Narrow(std::max<int64_t>(left - x, 0)), Narrow(std::max<int64_t>(top - y, 0)),
                 Narrow(std::min<int64_t>(right - x, width)),
                 Narrow(std::min<int64_t>(bottom - y, height))};
    return PictureWindow{target.topRow, target.pitch, bytesPerPixel, x, y, visible};
}

void PictureWindow::PutRow(LONG row, const BYTE* pixels) const {
    if (!HasRow(row) || Empty()) return;
    std::memcpy(At(row, visible.left), pixels + ptrdiff_t(visible.left) * bytesPerPixel,
                size_t(visible.right - visible.left) * size_t(bytesPerPixel));
}

bool PictureWindow::Span(LONG row, LONG column, LONG count, LONG& first, LONG& last) const {
    first = std::max(column, visible.left);
    last = LONG(std::min<int64_t>(int64_t(column) + count, visible.right));
    return HasRow(row) && first < last;
}

void PictureWindow::Fill(LONG row, LONG column, LONG count, BYTE value) const {
    LONG first, last;
    if (Span(row, column, count, first, last))
        std::memset(At(row, first), value, size_t(last - first));
}

void PictureWindow::Copy(LONG row, LONG column, const BYTE* pixels, LONG count) const {
    LONG first, last;
    if (Span(row, column, count, first, last))
        std::memcpy(At(row, first), pixels + (first - column), size_t(last - first));
}
