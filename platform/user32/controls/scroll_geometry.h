// Where the parts of a scroll bar are, along its length: two arrow buttons at the ends, the
// thumb in the track between them. Pure arithmetic, for horizontal and vertical bars alike.
#pragma once
#include "platform/win32.h"

namespace platform {

struct ScrollRange {
    int minimum = 0;
    int maximum = 100;
    UINT page = 0;
    int position = 0;

    // The largest position: with a page, the last page starts there.
    int Last() const;
    int Clamp(int value) const;
};

enum class ScrollPart { None, LineBack, PageBack, Thumb, PageForward, LineForward };

struct ScrollLayout {
    LONG length;    // along the bar
    LONG thickness; // across it
    LONG arrow;     // each arrow button's length
    LONG thumbStart;
    LONG thumbLength; // 0: no thumb (no room, or nothing to scroll)

    ScrollPart PartAt(LONG along) const;
    // The position whose thumb would start at `start` (a drag), clamped to the range.
    int PositionFor(LONG start, const ScrollRange& range) const;
};

ScrollLayout LayOut(LONG length, LONG thickness, const ScrollRange& range);

} // namespace platform
