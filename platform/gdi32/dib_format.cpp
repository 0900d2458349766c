#include "platform/gdi32/dib_format.h"

#include <algorithm>

namespace platform::gdi {
namespace {

constexpr LONG kMaxSide = 32768;
constexpr size_t kMaxImageBytes = size_t{1} << 28;

} // namespace

bool ReadDibFormat(const BITMAPINFO* info, UINT usage, DibFormat* format) {
    if (!info || usage != DIB_RGB_COLORS) return false;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 ||
        header.biBitCount != 8 || header.biCompression != BI_RGB) {
        return false;
    }
    LONG height = header.biHeight;
    if (header.biWidth <= 0 || header.biWidth > kMaxSide || height == 0 || height > kMaxSide ||
        height < -kMaxSide) {
        return false;
    }
    format->width = header.biWidth;
    format->height = height < 0 ? -height : height;
    format->topDown = height < 0;
    format->stride = (header.biWidth + 3) & ~3;
    format->imageBytes = static_cast<size_t>(format->stride) * format->height;
    if (format->imageBytes > kMaxImageBytes) return false;
    format->colours =
        reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(info) + header.biSize);
    format->colourCount = header.biClrUsed == 0 ? 256 : std::min<DWORD>(header.biClrUsed, 256);
    return true;
}

} // namespace platform::gdi
