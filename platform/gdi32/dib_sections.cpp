// DIB sections: bitmaps whose pixels the caller reaches directly, and their colour tables.
#include <algorithm>

#include "platform/gdi32/dib_format.h"
#include "platform/gdi32/objects.h"

using namespace platform::gdi;

namespace {

Bitmap* SectionOf(HDC dcHandle) {
    DeviceContext* dc = AsDC(dcHandle);
    return dc && dc->bitmap && !dc->bitmap->stock ? dc->bitmap : nullptr;
}

UINT ClippedCount(const Bitmap& bitmap, UINT start, UINT count) {
    return start >= bitmap.colourCount ? 0 : std::min(count, bitmap.colourCount - start);
}

} // namespace

HBITMAP WINAPI CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, VOID** bits,
                                HANDLE section, DWORD) {
    if (bits) *bits = nullptr;
    DibFormat format;
    if ((dc && !AsDC(dc)) || section || !ReadDibFormat(info, usage, &format)) return nullptr;
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->pixels = platform::AllocatePixels<BYTE>(format.imageBytes);
    if (!bitmap->pixels) return nullptr;
    bitmap->width = format.width;
    bitmap->height = format.height;
    bitmap->stride = format.stride;
    bitmap->topDown = format.topDown;
    bitmap->colourCount = format.colourCount;
    std::copy_n(format.colours, format.colourCount, bitmap->colours.begin());
    if (bits) *bits = bitmap->pixels.get();
    return static_cast<HBITMAP>(Register(std::move(bitmap)));
}

UINT WINAPI SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colours) {
    Bitmap* bitmap = SectionOf(dc);
    if (!bitmap || !colours) return 0;
    UINT clipped = ClippedCount(*bitmap, start, count);
    std::copy_n(colours, clipped, bitmap->colours.begin() + start);
    return clipped;
}

UINT WINAPI GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colours) {
    Bitmap* bitmap = SectionOf(dc);
    if (!bitmap || !colours) return 0;
    UINT clipped = ClippedCount(*bitmap, start, count);
    std::copy_n(bitmap->colours.begin() + start, clipped, colours);
    return clipped;
}
