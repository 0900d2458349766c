// LoadBitmapA and LoadImageA: bitmap resources (a DIB without its file header) as 8-bit DIB
// sections; icons and cursors as LoadIconA and LoadCursorA give them.
#include <cstring>

#include "platform/win32.h"

namespace {

// The header, the colour table and the rows must all be inside the resource.
HBITMAP BitmapFromResource(const BYTE* bytes, DWORD size) {
    if (!bytes || size < sizeof(BITMAPINFOHEADER)) return nullptr;
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes, sizeof header);
    if (header.biSize < sizeof header || header.biSize > size || header.biBitCount != 8 ||
        header.biCompression != BI_RGB || header.biWidth <= 0 || header.biHeight == 0) {
        return nullptr;
    }
    DWORD colours = header.biClrUsed ? header.biClrUsed : 256;
    if (colours > 256) return nullptr;
    size_t tableEnd = header.biSize + static_cast<size_t>(colours) * sizeof(RGBQUAD);
    LONG rows = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    size_t stride = (static_cast<size_t>(header.biWidth) + 3) & ~static_cast<size_t>(3);
    if (tableEnd > size || stride * static_cast<size_t>(rows) > size - tableEnd) return nullptr;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header = header;
    info.header.biSize = sizeof header;
    info.header.biClrUsed = colours;
    std::memcpy(info.colours, bytes + header.biSize, colours * sizeof(RGBQUAD));
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                      &bits, nullptr, 0);
    if (bitmap && bits) std::memcpy(bits, bytes + tableEnd, stride * static_cast<size_t>(rows));
    return bitmap;
}

} // namespace

HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name) {
    HRSRC resource = FindResourceA(instance, name, RT_BITMAP);
    if (!resource) return nullptr;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(instance, resource)));
    return BitmapFromResource(bytes, SizeofResource(instance, resource));
}

HANDLE WINAPI LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int, int, UINT) {
    switch (type) {
    case IMAGE_BITMAP:
        return LoadBitmapA(instance, name);
    case IMAGE_ICON:
        return LoadIconA(instance, name);
    case IMAGE_CURSOR:
        return LoadCursorA(instance, name);
    default:
        return nullptr;
    }
}
