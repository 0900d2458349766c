// Uncompressed 8-bit frames: DIB rows padded to four bytes, bottom row first unless the
// format says top-down. A short frame fills the rows it holds.
#include <algorithm>
#include <cstring>

#include "platform/msvfw32/codecs/video_decoders.h"

namespace platform::vfw {

void DecodeUncompressed(const CompressedFrame& in, const VideoCanvas& frame) {
    size_t stride = DibStride(frame.width);
    LONG rows = LONG(std::min(in.size / stride, size_t(frame.height)));
    for (LONG stored = 0; stored < rows; ++stored) {
        LONG fromBottom = in.topDown ? frame.height - 1 - stored : stored;
        std::memcpy(frame.Row(fromBottom), in.data + size_t(stored) * stride, size_t(frame.width));
    }
}

} // namespace platform::vfw
