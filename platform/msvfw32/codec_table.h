// The decompressors this compression manager knows, found by handler code.
#pragma once
#include "platform/msvfw32/codecs/video_decoders.h"

namespace platform::vfw {

struct VideoCodec {
    FOURCC handler; // the code ICGetInfo reports
    const char* name;
    const char* description;
    VideoDecoder decode;
    // Input formats (biCompression) the decoder reads; four-character codes match without
    // regard to case. Zero-terminated, except that BI_RGB (0) may be the first.
    DWORD compressions[3];
};

// Upper-cases the letters of a four-character code.
DWORD FoldCase(DWORD code);

// Handler codes are matched without regard to case; 0 is an uncompressed stream.
const VideoCodec* FindCodec(FOURCC handler);
// The handler code of every decompressor in turn; 0 past the last.
FOURCC CodecHandler(size_t index);
bool AcceptsCompression(const VideoCodec& codec, DWORD compression);

} // namespace platform::vfw
