#include "platform/user32/controls/scroll_geometry.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

constexpr LONG kSmallestThumb = 8;

} // namespace

int ScrollRange::Last() const {
    int64_t last =
        static_cast<int64_t>(maximum) - std::max<int64_t>(static_cast<int64_t>(page) - 1, 0);
    return static_cast<int>(std::max<int64_t>(last, minimum));
}

int ScrollRange::Clamp(int value) const {
    return std::clamp(value, minimum, Last());
}

ScrollPart ScrollLayout::PartAt(LONG along) const {
    if (along < 0 || along >= length) return ScrollPart::None;
    if (along < arrow) return ScrollPart::LineBack;
    if (along >= length - arrow) return ScrollPart::LineForward;
    if (thumbLength == 0) return ScrollPart::None;
    if (along < thumbStart) return ScrollPart::PageBack;
    if (along >= thumbStart + thumbLength) return ScrollPart::PageForward;
    return ScrollPart::Thumb;
}

int ScrollLayout::PositionFor(LONG start, const ScrollRange& range) const {
    LONG travel = length - 2 * arrow - thumbLength;
    if (travel <= 0) return range.minimum;
    int64_t span = static_cast<int64_t>(range.Last()) - range.minimum;
    int64_t offset = std::clamp<int64_t>(start - arrow, 0, travel);
    return range.Clamp(static_cast<int>(range.minimum + (offset * span + travel / 2) / travel));
}

// Arrows are square unless the bar is too short for two; the thumb is square without a
// page, else as long as the page is of the whole range.
ScrollLayout LayOut(LONG length, LONG thickness, const ScrollRange& range) {
    ScrollLayout layout{length, thickness, std::min(thickness, length / 2), 0, 0};
    LONG track = length - 2 * layout.arrow;
    int64_t span = static_cast<int64_t>(range.maximum) - range.minimum + 1;
    if (span <= 1 || track < kSmallestThumb) return layout;
    LONG thumb = range.page == 0 ? thickness
                                 : static_cast<LONG>(std::min<int64_t>(
                                       track * static_cast<int64_t>(range.page) / span, track));
    thumb = std::clamp<LONG>(thumb, std::min(kSmallestThumb, track), track);
    int64_t steps = static_cast<int64_t>(range.Last()) - range.minimum;
    LONG travel = track - thumb;
    LONG offset = steps > 0
                      ? static_cast<LONG>((static_cast<int64_t>(range.position) - range.minimum) *
                                          travel / steps)
                      : 0;
    layout.thumbStart = layout.arrow + std::clamp<LONG>(offset, 0, travel);
    layout.thumbLength = thumb;
    return layout;
}

} // namespace platform
