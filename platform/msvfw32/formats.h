// What a decompressor here accepts: 8-bit input of a compression it reads, decoded into an
// 8-bit uncompressed frame of the same size.
#pragma once
#include "platform/msvfw32/codec_table.h"

namespace platform::vfw {

bool InputIsReadable(const VideoCodec& codec, const BITMAPINFOHEADER* in);
// Null output asks only about the input.
bool FormatsMatch(const VideoCodec& codec, const BITMAPINFOHEADER* in, const BITMAPINFOHEADER* out);
// The colour table behind an input header and its number of entries (at most 256).
const RGBQUAD* InputColours(const BITMAPINFOHEADER* in);
DWORD InputColourCount(const BITMAPINFOHEADER* in);
LONG AbsoluteHeight(const BITMAPINFOHEADER* header);

} // namespace platform::vfw
