// Where a still picture decoded row by row lands on the target. Image pixel (column, row),
// counted from the image's top-left corner, goes to target pixel (x + column, y + row); only
// the visible part (the clip, inside the target, inside the image) is ever written, so a
// decoder may hand over whole rows and runs and leave the clipping to the window.
#pragma once

#include "platform/win32.h"

#include <cstddef>

struct mBitmapInfo;

struct PictureWindow {
    BYTE* topRow;
    LONG pitch;
    LONG bytesPerPixel;
    LONG x, y;
    RECT visible; // image coordinates

    bool Empty() const { return visible.left >= visible.right || visible.top >= visible.bottom; }
    bool HasRow(LONG row) const { return row >= visible.top && row < visible.bottom; }
    // The target byte of image pixel (column, row); only for visible pixels.
    BYTE* At(LONG row, LONG column) const {
        return topRow + ptrdiff_t(y + row) * pitch + ptrdiff_t(x + column) * bytesPerPixel;
    }
    // The visible columns of an image row whose pixel 0 is at pixels.
    void PutRow(LONG row, const BYTE* pixels) const;
    // count one-byte pixels from column on: one value, or a copy of pixels.
    void Fill(LONG row, LONG column, LONG count, BYTE value) const;
    void Copy(LONG row, LONG column, const BYTE* pixels, LONG count) const;

private:
    // The visible columns [first, last) of count pixels from column on; false when none are.
    bool Span(LONG row, LONG column, LONG count, LONG& first, LONG& last) const;
};

// An image of width x height drawn at (x, y) onto target inside clip (null: the whole target).
PictureWindow MakePictureWindow(const mBitmapInfo& target, LONG bytesPerPixel, LONG x, LONG y,
                                const RECT* clip, LONG width, LONG height);
