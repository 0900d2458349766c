#include "engine/gfx/mBitmap.h"
#include "engine/media/PictureDecoders.h"
#include "engine/media/PictureFormats.h"
#include "engine/media/PictureRows.h"
#include "engine/media/mImageBMP.h"

#include <cstdint>

// The image is placed and clipped from its top row, as PCX and FLIC images are, whatever
// the file's row order: counting from the target's bottom edge put a picture drawn at y
// anywhere but at 0 in the wrong place, and wrote rows outside the clip.
LONG mImageBMP::Draw(LONG x, LONG y, const RECT* clip) {
    if (!ReadyToDraw()) return -1;
    PictureRows rows(*this, *targetInfo, x, y, clip, fileRowStride, fileRowStride);
    if (!Prepare(rows)) return -1;
    if (rows.Window().Empty()) return 0;
    if (compression == bmp::kRgb)
        DrawRows(rows);
    else
        DrawRunLength(rows.Window());
    return 0;
}

// File rows are visited in file order, so a file source is read forward.
void mImageBMP::DrawRows(PictureRows& rows) {
    const PictureWindow& window = rows.Window();
    const RECT& visible = window.visible;
    const LONG height = playback.height;
    const LONG first = topDown ? visible.top : height - visible.bottom;
    const LONG last = topDown ? visible.bottom : height - visible.top;
    const LONG skipped = visible.left * window.bytesPerPixel;
    const LONG wanted = (visible.right - visible.left) * window.bytesPerPixel;
    for (LONG fileRow = first; fileRow < last; ++fileRow) {
        const LONG row = topDown ? fileRow : height - 1 - fileRow;
        const int64_t start =
            pixelDataPosition + int64_t(fileRow) * fileRowStride + (rows.Straight() ? skipped : 0);
        if (!Holds(start, 1) || Seek(LONG(start), 0) < 0) return;
        if (rows.Straight()) {
            // The picture's own depth: its bytes go straight into the target's row.
            if (Read(window.At(row, visible.left), wanted) < wanted) return;
        } else {
            if (Read(rows.Scratch(), fileRowStride) <= 0) return;
            rows.Put(row);
        }
    }
}

void mImageBMP::DrawRunLength(const PictureWindow& window) {
    if (Seek(pixelDataPosition, 0) < 0) return;
    FlicReader in(*this);
    DecodeBmpRunLength(in, window, playback.width, playback.height, compression == bmp::kRle4);
}
