// DrawIcon for icons from the program's resources: the 32 x 32 image of the group (else its
// first), an 8-bit colour image with its transparency mask. Stock icons draw nothing.
#include <cstring>

#include "platform/win32.h"

namespace {

constexpr size_t kGroupHeader = 6;
constexpr size_t kGroupEntry = 14;
constexpr BYTE kPreferredSide = 32;

WORD WordAt(const BYTE* bytes) {
    return static_cast<WORD>(bytes[0] | (bytes[1] << 8));
}

struct Resource {
    const BYTE* bytes = nullptr;
    DWORD size = 0;
};

Resource BytesOf(HRSRC handle) {
    HMODULE module = GetModuleHandleA(nullptr);
    if (!handle) return {};
    return Resource{static_cast<const BYTE*>(LockResource(LoadResource(module, handle))),
                    SizeofResource(module, handle)};
}

// The RT_ICON id of the image to draw; 0 when the group is malformed.
WORD ImageIdOf(const Resource& group) {
    if (!group.bytes || group.size < kGroupHeader) return 0;
    WORD count = WordAt(group.bytes + 4);
    if (count == 0 || group.size < kGroupHeader + count * kGroupEntry) return 0;
    const BYTE* chosen = group.bytes + kGroupHeader;
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = group.bytes + kGroupHeader + i * kGroupEntry;
        if (entry[0] == kPreferredSide) chosen = entry;
    }
    return WordAt(chosen + 12);
}

struct IconImage {
    BITMAPINFOHEADER header;
    const RGBQUAD* colours;
    size_t colourCount;
    const BYTE* colourBits;
    const BYTE* maskBits;
    size_t colourStride;
    size_t maskStride;
    LONG side;
};

bool ReadImage(const Resource& image, IconImage* out) {
    if (!image.bytes || image.size < sizeof(BITMAPINFOHEADER)) return false;
    std::memcpy(&out->header, image.bytes, sizeof out->header);
    const BITMAPINFOHEADER& h = out->header;
    if (h.biBitCount != 8 || h.biWidth <= 0 || h.biWidth > 256 || h.biHeight != 2 * h.biWidth ||
        h.biSize < sizeof h || h.biClrUsed > 256) {
        return false;
    }
    out->side = h.biWidth;
    out->colourStride = (static_cast<size_t>(h.biWidth) + 3) & ~static_cast<size_t>(3);
    out->maskStride = ((static_cast<size_t>(h.biWidth) + 31) / 32) * 4;
    size_t colours = h.biClrUsed ? h.biClrUsed : 256;
    size_t table = h.biSize + colours * sizeof(RGBQUAD);
    size_t needed = table + (out->colourStride + out->maskStride) * static_cast<size_t>(out->side);
    if (needed > image.size) return false;
    out->colours = reinterpret_cast<const RGBQUAD*>(image.bytes + h.biSize);
    out->colourCount = colours;
    out->colourBits = image.bytes + table;
    out->maskBits = out->colourBits + out->colourStride * static_cast<size_t>(out->side);
    return true;
}

void Paint(HDC dc, int x, int y, const IconImage& image) {
    for (LONG row = 0; row < image.side; ++row) {
        LONG stored = image.side - 1 - row; // bottom-up
        const BYTE* colours = image.colourBits + stored * image.colourStride;
        const BYTE* mask = image.maskBits + stored * image.maskStride;
        for (LONG column = 0; column < image.side; ++column) {
            bool transparent = mask[column / 8] & (0x80 >> (column % 8));
            if (transparent || colours[column] >= image.colourCount) continue;
            const RGBQUAD& quad = image.colours[colours[column]];
            SetPixel(dc, x + column, y + row, RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue));
        }
    }
}

} // namespace

BOOL WINAPI DrawIcon(HDC dc, int x, int y, HICON icon) {
    if (!dc || !icon) return FALSE;
    WORD id = ImageIdOf(BytesOf(reinterpret_cast<HRSRC>(icon)));
    IconImage image;
    HRSRC resource =
        id ? FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), RT_ICON) : nullptr;
    if (!ReadImage(BytesOf(resource), &image)) return FALSE;
    Paint(dc, x, y, image);
    return TRUE;
}
