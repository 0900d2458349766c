#include "engine/media/FrameOpaqueBounds.h"

#include "engine/gfx/mBitmap.h"

#include <algorithm>
#include <new>

namespace {

// First and one past the last pixel of row other than key; first == end when there is none.
void RowSpan(const BYTE* row, LONG width, BYTE key, LONG* first, LONG* end) {
    LONG left = 0;
    while (left < width && row[left] == key) ++left;
    LONG right = width;
    while (right > left && row[right - 1] == key) --right;
    *first = left;
    *end = right;
}

} // namespace

FrameOpaqueBounds::~FrameOpaqueBounds() {
    delete[] bounds_;
}

void FrameOpaqueBounds::Reset(LONG frameCount) {
    delete[] bounds_;
    count_ = 0;
    bounds_ = frameCount > 0 ? new (std::nothrow) RECT[size_t(frameCount)] : nullptr;
    if (bounds_) count_ = frameCount;
    Forget();
}

void FrameOpaqueBounds::Forget() {
    for (LONG n = 0; n < count_; ++n) bounds_[n].left = kUnknown;
}

void FrameOpaqueBounds::Record(LONG n, const mBitmapInfo& frame, BYTE key) {
    if (n < 0 || n >= count_ || bounds_[n].left != kUnknown) return;
    RECT found{frame.width, frame.height, 0, 0};
    for (LONG y = 0; y < frame.height; ++y) {
        LONG first, end;
        RowSpan(frame.topRow + y * frame.pitch, frame.width, key, &first, &end);
        if (first == end) continue;
        found = RECT{std::min(found.left, first), std::min(found.top, y),
                     std::max(found.right, end), y + 1};
    }
    // A frame of nothing but key colour shows nothing.
    bounds_[n] = found.left < found.right ? found : RECT{0, 0, 0, 0};
}

bool FrameOpaqueBounds::Find(LONG n, RECT* bounds) const {
    if (n < 0 || n >= count_ || bounds_[n].left == kUnknown) return false;
    *bounds = bounds_[n];
    return true;
}
