// Selecting, deleting and describing GDI objects.
#include <cstring>

#include "platform/gdi32/objects.h"
#include "platform/gdi32/system_palette.h"

using namespace platform::gdi;

namespace {

HGDIOBJ SelectBitmap(DeviceContext& dc, Bitmap& bitmap) {
    // A bitmap lives in one memory DC at a time; only the stock bitmap is shared.
    if (dc.dcKind != DcKind::Memory || (bitmap.selections > 0 && !bitmap.stock)) return nullptr;
    Bitmap* previous = dc.bitmap;
    Reselect(previous, &bitmap);
    dc.bitmap = &bitmap;
    return HandleOf(previous);
}

HGDIOBJ SelectBrush(DeviceContext& dc, Brush& brush) {
    Brush* previous = dc.brush;
    Reselect(previous, &brush);
    dc.brush = &brush;
    return HandleOf(previous);
}

HGDIOBJ SelectFont(DeviceContext& dc, Font& font) {
    Font* previous = dc.font;
    Reselect(previous, &font);
    dc.font = &font;
    return HandleOf(previous);
}

void DescribeBitmap(const Bitmap& bitmap, BITMAP* out) {
    *out = BITMAP{};
    out->bmWidth = bitmap.width;
    out->bmHeight = bitmap.height;
    out->bmWidthBytes = bitmap.stride;
    out->bmPlanes = 1;
    out->bmBitsPixel = 8;
    out->bmBits = bitmap.stock ? nullptr : bitmap.pixels.get();
}

void DescribeSection(const Bitmap& bitmap, DIBSECTION* out) {
    *out = DIBSECTION{};
    DescribeBitmap(bitmap, &out->dsBm);
    BITMAPINFOHEADER& header = out->dsBmih;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = bitmap.width;
    header.biHeight = bitmap.topDown ? -bitmap.height : bitmap.height;
    header.biPlanes = 1;
    header.biBitCount = 8;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(bitmap.stride) * bitmap.height;
    header.biClrUsed = bitmap.colourCount;
}

int GetBitmapObject(const Bitmap& bitmap, int size, LPVOID buffer) {
    if (!buffer) return sizeof(BITMAP);
    if (!bitmap.stock && size >= static_cast<int>(sizeof(DIBSECTION))) {
        DescribeSection(bitmap, static_cast<DIBSECTION*>(buffer));
        return sizeof(DIBSECTION);
    }
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    DescribeBitmap(bitmap, static_cast<BITMAP*>(buffer));
    return sizeof(BITMAP);
}

int GetPaletteObject(const Palette& palette, int size, LPVOID buffer) {
    if (!buffer) return sizeof(WORD);
    if (size < static_cast<int>(sizeof(WORD))) return 0;
    WORD count = static_cast<WORD>(palette.entries.size());
    std::memcpy(buffer, &count, sizeof count);
    return sizeof(WORD);
}

int GetBrushObject(const Brush& brush, int size, LPVOID buffer) {
    if (!buffer) return sizeof(LOGBRUSH);
    if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
    LOGBRUSH description{};
    description.lbStyle = brush.hollow ? BS_NULL : BS_SOLID;
    description.lbColor = brush.colour;
    std::memcpy(buffer, &description, sizeof description);
    return sizeof(LOGBRUSH);
}

int GetFontObject(const Font& font, int size, LPVOID buffer) {
    if (!buffer) return sizeof(LOGFONTA);
    if (size < static_cast<int>(sizeof(LOGFONTA))) return 0;
    std::memcpy(buffer, &font.logFont, sizeof font.logFont);
    return sizeof(LOGFONTA);
}

} // namespace

HGDIOBJ WINAPI SelectObject(HDC dcHandle, HGDIOBJ object) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc) return nullptr;
    if (Bitmap* bitmap = AsBitmap(object)) return SelectBitmap(*dc, *bitmap);
    if (Brush* brush = AsBrush(object)) return SelectBrush(*dc, *brush);
    if (Font* font = AsFont(object)) return SelectFont(*dc, *font);
    return nullptr; // palettes go through SelectPalette, DCs cannot be selected
}

BOOL WINAPI DeleteObject(HGDIOBJ handle) {
    Object* object = Lookup(handle);
    if (!object || object->kind == Kind::DeviceContext) return FALSE;
    if (object->stock) return TRUE;
    if (object->selections > 0) return FALSE;
    if (object->kind == Kind::Palette) {
        TheSystemPalette().ForgetOwner(*static_cast<Palette*>(object));
    }
    Destroy(object);
    return TRUE;
}

int WINAPI GetObjectA(HANDLE handle, int size, LPVOID buffer) {
    if (Bitmap* bitmap = AsBitmap(handle)) return GetBitmapObject(*bitmap, size, buffer);
    if (Palette* palette = AsPalette(handle)) return GetPaletteObject(*palette, size, buffer);
    if (Brush* brush = AsBrush(handle)) return GetBrushObject(*brush, size, buffer);
    if (Font* font = AsFont(handle)) return GetFontObject(*font, size, buffer);
    return 0;
}

DWORD WINAPI GetObjectType(HGDIOBJ handle) {
    Object* object = Lookup(handle);
    if (!object) return 0;
    switch (object->kind) {
    case Kind::Bitmap:
        return OBJ_BITMAP;
    case Kind::Palette:
        return OBJ_PAL;
    case Kind::Brush:
        return OBJ_BRUSH;
    case Kind::Font:
        return OBJ_FONT;
    case Kind::DeviceContext:
        return static_cast<DeviceContext*>(object)->dcKind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
    }
    return 0;
}

HGDIOBJ WINAPI GetStockObject(int index) {
    if (index == DEFAULT_PALETTE) return HandleOf(DefaultPalette());
    if (Font* font = StockFont(index)) return HandleOf(font);
    return HandleOf(StockBrush(index));
}

HGDIOBJ WINAPI GetCurrentObject(HDC dcHandle, UINT type) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_BITMAP:
        return HandleOf(dc->bitmap);
    case OBJ_PAL:
        return HandleOf(dc->palette);
    case OBJ_BRUSH:
        return HandleOf(dc->brush);
    case OBJ_FONT:
        return HandleOf(dc->font);
    default:
        return nullptr;
    }
}
