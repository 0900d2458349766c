#include "engine/gfx/mBitmap.h"

#include "engine/gfx/mBitmapGeometry.h"

#include <algorithm>
#include <cstring>

namespace {

// What CreateSection hands to CreateDIBSection: a header and a full colour table.
struct SectionHeader {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

void FreeBlock(HGLOBAL& block) {
    if (!block) return;
    GlobalUnlock(block);
    GlobalFree(block);
    block = nullptr;
}

} // namespace

mBitmap::mBitmap() : info(&record) {
    record = mBitmapInfo{};
    SetEmptyGeometry();
}

mBitmap::mBitmap(LONG width, LONG height, LONG bitsPerPixel) : mBitmap() {
    Create(width, height, bitsPerPixel);
}

mBitmap::~mBitmap() {
    if (useCount != 0) {
        Warning(classBitmap, errStillInUse);
        useCount = 0; // the root's destructor would report it a second time
    }
    Reset();
}

void mBitmap::Reset() {
    FreeBlock(block);
    FreeColourMap();
    if (record.memoryDC) {
        SelectObject(record.memoryDC, previousBitmap);
        if (section) DeleteObject(section);
        DeleteDC(record.memoryDC);
    }
    section = nullptr;
    previousBitmap = nullptr;
    drawHeader = nullptr;
    mapTargetVersion = 0;
    SetEmptyGeometry();
}

void mBitmap::FreeColourMap() {
    FreeBlock(mapBlock);
    record.colourMap = nullptr;
    mapTarget = nullptr;
}

void mBitmap::SetEmptyGeometry() {
    record.width = 1;
    record.height = 1;
    record.bitsPerPixel = 8;
    record.planes = 1;
    record.stride = 1;
    record.pitch = 1;
    record.topDown = 1;
    record.bits = emptyStore;
    record.topRow = emptyStore;
    record.colours = nullptr;
    record.colourVersion = 0;
    record.colourMap = nullptr;
    record.memoryDC = nullptr;
    record.header = nullptr;
}

// Needs record.bits in place.
void mBitmap::SetGeometry(const mBitmapGeometry& geometry, BOOL topDown) {
    record.width = geometry.width;
    record.height = geometry.height;
    record.bitsPerPixel = geometry.bitsPerPixel;
    record.planes = 1;
    record.stride =
        static_cast<LONG>(mBitmapGeometry::Stride(geometry.width, geometry.bitsPerPixel));
    SetRowOrder(topDown);
}

void mBitmap::SetRowOrder(BOOL topDown) {
    record.topDown = topDown ? 1 : 0;
    record.pitch = topDown ? record.stride : -record.stride;
    record.topRow = topDown
                        ? record.bits
                        : record.bits + static_cast<ptrdiff_t>(record.height - 1) * record.stride;
}

int mBitmap::ColourCount() const {
    return record.colours ? mBitmapGeometry::ColourCount(record.bitsPerPixel) : 0;
}

bool mBitmap::Create(LONG width, LONG height, LONG bitsPerPixel) {
    const int n = mBitmapGeometry::ColourCount(bitsPerPixel);
    RGBQUAD saved[256];
    const int savedCount = n > 0 ? std::min(ColourCount(), 256) : 0;
    if (savedCount > 0) std::memcpy(saved, record.colours, savedCount * sizeof(RGBQUAD));

    Reset();
    const BOOL topDown = height < 0;
    const mBitmapGeometry geometry(width, height, bitsPerPixel);
    if (!geometry.valid || !AllocatePlain(geometry, topDown)) {
        Error(classBitmap, errOutOfMemory);
        return false;
    }
    if (n == 0) return true;
    if (savedCount > 0) {
        std::memcpy(record.colours, saved, std::min(savedCount, n) * sizeof(RGBQUAD));
    } else {
        RGBQUAD defaults[256];
        LoadDefaultColours(defaults);
        std::memcpy(record.colours, defaults, n * sizeof(RGBQUAD));
    }
    return true;
}

// One zero-filled block: header, colour table, pixels.
bool mBitmap::AllocatePlain(const mBitmapGeometry& geometry, BOOL topDown) {
    const int n = mBitmapGeometry::ColourCount(geometry.bitsPerPixel);
    const size_t colourBytes = n * sizeof(RGBQUAD);
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                        sizeof(BITMAPINFOHEADER) + colourBytes + geometry.pixelBytes);
    BYTE* base = block ? static_cast<BYTE*>(GlobalLock(block)) : nullptr;
    if (!base) {
        if (block) GlobalFree(block);
        block = nullptr;
        return false;
    }
    record.header = reinterpret_cast<BITMAPINFO*>(base);
    record.colours = n > 0 ? reinterpret_cast<RGBQUAD*>(base + sizeof(BITMAPINFOHEADER)) : nullptr;
    record.bits = base + sizeof(BITMAPINFOHEADER) + colourBytes;
    SetGeometry(geometry, topDown);
    drawHeader = record.header;

    BITMAPINFOHEADER& header = record.header->bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = record.width;
    header.biHeight = record.height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(record.bitsPerPixel);
    header.biCompression = BI_RGB;
    header.biClrUsed = n;
    return true;
}

bool mBitmap::CreateSection(LONG width, LONG height, LONG bitsPerPixel) {
    SectionHeader prepared = {};
    prepared.header.biSize = sizeof(BITMAPINFOHEADER);
    prepared.header.biWidth = 1;
    prepared.header.biHeight = 1;
    prepared.header.biPlanes = 1;
    prepared.header.biBitCount = static_cast<WORD>(bitsPerPixel ? bitsPerPixel : 8);
    if (record.colours)
        std::memcpy(prepared.colours, record.colours,
                    std::min(ColourCount(), 256) * sizeof(RGBQUAD));
    else
        LoadDefaultColours(prepared.colours);

    Reset();
    const mBitmapGeometry geometry(width, height, prepared.header.biBitCount); // sign ignored
    if (!geometry.valid) {
        Error(classBitmap, errOutOfMemory);
        return false;
    }
    if (mBitmapGeometry::ColourCount(geometry.bitsPerPixel) > 0) {
        block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(prepared.colours));
        record.colours = block ? static_cast<RGBQUAD*>(GlobalLock(block)) : nullptr;
        if (!record.colours) {
            FreeBlock(block);
            Error(classBitmap, errOutOfMemory);
            return false;
        }
    }
    prepared.header.biWidth = geometry.width;
    prepared.header.biHeight = geometry.height;
    const bool created = AllocateSection(geometry, reinterpret_cast<const BITMAPINFO*>(&prepared));
    if (record.colours) std::memcpy(record.colours, prepared.colours, sizeof(prepared.colours));
    return created;
}

// The memory DC and the DIB section in it. Without them the bitmap keeps its colours but no
// pixels: it stays at the empty 1 x 1 geometry, so nobody draws into it at the asked size.
bool mBitmap::AllocateSection(const mBitmapGeometry& geometry, const BITMAPINFO* header) {
    HDC screen = GetDC(nullptr);
    record.memoryDC = screen ? CreateCompatibleDC(screen) : nullptr;
    if (screen) ReleaseDC(nullptr, screen);
    if (!record.memoryDC) {
        Error(classBitmap, errNoDC);
        return false;
    }
    void* pixels = nullptr;
    section = CreateDIBSection(record.memoryDC, header, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!section || !pixels) {
        if (section) DeleteObject(section);
        section = nullptr;
        DeleteDC(record.memoryDC);
        record.memoryDC = nullptr;
        Error(classBitmap, errOutOfMemory);
        return false;
    }
    previousBitmap = SelectObject(record.memoryDC, section);
    record.bits = static_cast<BYTE*>(pixels);
    SetGeometry(geometry, FALSE);
    return true;
}

void mBitmap::SetKeyColour(DWORD index) {
    record.keyColour = index;
    record.flags |= Transparent;
}

void mBitmap::SetTransparent(BOOL on) {
    record.flags = on ? (record.flags | Transparent) : (record.flags & ~DWORD(Transparent));
}

void mBitmap::SetMapColours(BOOL on) {
    record.flags = on ? (record.flags | MapColours) : (record.flags & ~DWORD(MapColours));
}

void mBitmap::SetOrientation(BOOL topDown) {
    if (!topDown == !record.topDown) return;
    const ptrdiff_t stride = record.stride;
    for (LONG i = 0; i < record.height / 2; ++i) {
        BYTE* upper = record.bits + i * stride;
        BYTE* lower = record.bits + (record.height - 1 - i) * stride;
        std::swap_ranges(upper, upper + stride, lower);
    }
    SetRowOrder(topDown);
}

void mBitmap::PaintTo(HDC windowDC, const RECT* rect, LONG sourceX, LONG sourceY) const {
    const LONG width = rect->right - rect->left;
    const LONG height = rect->bottom - rect->top;
    if (record.memoryDC) {
        BitBlt(windowDC, rect->left, rect->top, width, height, record.memoryDC, sourceX, sourceY,
               SRCCOPY);
        return;
    }
    if (!drawHeader) return;
    if (record.topDown) {
        PaintTopDownRows(windowDC, *rect, sourceX, sourceY);
        return;
    }
    // StretchDIBits counts the source rows of a bottom-up DIB from the bottom.
    StretchDIBits(windowDC, rect->left, rect->top, width, height, sourceX,
                  record.height - sourceY - height, width, height, record.bits, drawHeader,
                  DIB_RGB_COLORS, SRCCOPY);
}

// The header says bottom-up whatever the row order, so a top-down bitmap goes as a top-down
// DIB of just the rectangle's rows, drawn whole. Implementations agree on which rows that
// is; they do not agree on the rows of a mirrored copy, which the alternative would need.
void mBitmap::PaintTopDownRows(HDC windowDC, const RECT& rect, LONG sourceX, LONG sourceY) const {
    const LONG first = std::max<LONG>(sourceY, 0);
    const LONG last = std::min<LONG>(sourceY + (rect.bottom - rect.top), record.height);
    if (first >= last) return;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } rows;
    rows.header = drawHeader->bmiHeader;
    rows.header.biHeight = -(last - first);
    rows.header.biSizeImage = 0;
    std::memcpy(rows.colours, drawHeader->bmiColors, ColourCount() * sizeof(RGBQUAD));
    StretchDIBits(windowDC, rect.left, rect.top + (first - sourceY), rect.right - rect.left,
                  last - first, sourceX, 0, rect.right - rect.left, last - first,
                  record.topRow + first * record.pitch, reinterpret_cast<BITMAPINFO*>(&rows),
                  DIB_RGB_COLORS, SRCCOPY);
}
