#include "engine/media/PictureRows.h"

#include "engine/gfx/mBitmap.h"

#include <algorithm>
#include <new>

namespace {

bool SameWholeBytes(const PlaybackInfo& picture, const mBitmapInfo& target) {
    return picture.planes == 1 && picture.bitsPerPixel == target.bitsPerPixel &&
           picture.bitsPerPixel % 8 == 0 && target.planes == 1;
}

bool EightBit(const mBitmapInfo& target) {
    return target.bitsPerPixel == 8 && target.planes == 1;
}

} // namespace

PictureRows::PictureRows(mImage& owner, const mBitmapInfo& target, LONG x, LONG y, const RECT* clip,
                         LONG decodedBytes, LONG stride)
    : image(owner), rowBytes(decodedBytes), planeStride(stride),
      straight(SameWholeBytes(*owner.playbackInfo, target)), usable(straight || EightBit(target)) {
    const PlaybackInfo& picture = *owner.playbackInfo;
    window = MakePictureWindow(target, straight ? picture.bitsPerPixel / 8 : 1, x, y, clip,
                               picture.width, picture.height);
}

PictureRows::~PictureRows() {
    delete[] decoded;
    delete[] converted;
    image.FreeConversionTable();
}

bool PictureRows::Allocate() {
    decoded = new (std::nothrow) BYTE[size_t(rowBytes)]();
    if (!decoded) return false;
    if (straight) return true;
    converted = new (std::nothrow) BYTE[size_t(std::max<LONG>(window.visible.right, 1))]();
    if (!converted) return false;
    image.BuildConversionTable();
    return true;
}

void PictureRows::Put(LONG row) {
    if (!window.HasRow(row)) return;
    if (straight) {
        window.PutRow(row, decoded);
        return;
    }
    // Sub-byte pixels start mid-byte, so the row is converted from its first pixel.
    image.ConvertRow(decoded, converted, window.visible.right, planeStride);
    window.PutRow(row, converted);
}
