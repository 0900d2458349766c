// Format checks shared by every decompressor.
#include "platform/msvfw32/formats.h"

namespace platform::vfw {
namespace {

// A colour table lies behind biSize bytes of header; the largest header Win32 defines is
// 124 bytes, and a larger claim would put the table anywhere.
constexpr DWORD kLargestHeader = 124;
// No side larger than the engine takes from a file.
constexpr LONG kLargestSide = 16384;

bool SizeIsSane(LONG width, LONG height) {
    return width > 0 && width <= kLargestSide && height > 0 && height <= kLargestSide;
}

} // namespace

LONG AbsoluteHeight(const BITMAPINFOHEADER* header) {
    // -LONG_MIN would overflow; such a height is refused as too large anyway.
    return header->biHeight < 0 ? (header->biHeight == INT32_MIN ? 0 : -header->biHeight)
                                : header->biHeight;
}

bool InputIsReadable(const VideoCodec& codec, const BITMAPINFOHEADER* in) {
    return in && in->biSize >= sizeof(BITMAPINFOHEADER) && in->biSize <= kLargestHeader &&
           in->biBitCount == 8 && SizeIsSane(in->biWidth, AbsoluteHeight(in)) &&
           AcceptsCompression(codec, in->biCompression);
}

bool FormatsMatch(const VideoCodec& codec, const BITMAPINFOHEADER* in,
                  const BITMAPINFOHEADER* out) {
    if (!InputIsReadable(codec, in)) return false;
    if (!out) return true;
    return out->biBitCount == 8 && out->biCompression == BI_RGB && out->biWidth == in->biWidth &&
           AbsoluteHeight(out) == AbsoluteHeight(in);
}

const RGBQUAD* InputColours(const BITMAPINFOHEADER* in) {
    return reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(in) + in->biSize);
}

DWORD InputColourCount(const BITMAPINFOHEADER* in) {
    return in->biClrUsed == 0 || in->biClrUsed > 256 ? 256 : in->biClrUsed;
}

} // namespace platform::vfw
