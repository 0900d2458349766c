// The GDI objects behind the handles, and the table that tells live handles from stale ones.
#pragma once
#include <array>
#include <memory>
#include <vector>

#include "platform/gdi32/dib_format.h"
#include "platform/host/posix/pixel_memory.h"
#include "platform/win32.h"

namespace platform::gdi {

enum class Kind { Bitmap, Palette, Brush, Font, DeviceContext };

struct Object {
    explicit Object(Kind kind) : kind(kind) {}
    virtual ~Object() = default;
    const Kind kind;
    bool stock = false;
    int selections = 0; // device contexts holding it; a selected object cannot be deleted
};

// An 8-bit device-independent bitmap; the 1 x 1 stock bitmap of new memory DCs is one too.
struct Bitmap : Object {
    Bitmap() : Object(Kind::Bitmap) {}
    LONG width = 1;
    LONG height = 1;
    LONG stride = 4;
    bool topDown = false;
    PixelBlock<BYTE> pixels;
    std::array<RGBQUAD, 256> colours{};
    UINT colourCount = 256;

    // y counted from the top whatever the storage order.
    BYTE* Row(LONG y) const { return pixels.get() + RowOffset(y, height, stride, topDown); }
    DibPixels Pixels() const { return DibPixels{pixels.get(), width, height, stride, topDown}; }
};

struct Palette : Object {
    Palette() : Object(Kind::Palette) {}
    std::vector<PALETTEENTRY> entries;
    // System-palette slot of each entry, valid once the palette has been realised.
    std::vector<BYTE> slots;
    bool realised = false;
};

struct Brush : Object {
    Brush() : Object(Kind::Brush) {}
    COLORREF colour = 0;
    bool hollow = false;
};

// A logical font; the face it is drawn with is chosen when text is drawn (font_faces.h).
struct Font : Object {
    Font() : Object(Kind::Font) {}
    LOGFONTA logFont{};
};

enum class DcKind { Screen, Window, Memory };

struct DeviceContext : Object {
    DeviceContext() : Object(Kind::DeviceContext) {}
    DcKind dcKind = DcKind::Screen;
    HWND window = nullptr;
    Bitmap* bitmap = nullptr; // memory DCs only
    Palette* palette = nullptr;
    bool paletteBackground = false; // selected with bForceBackground
    Brush* brush = nullptr;
    Font* font = nullptr;
    int stretchMode = BLACKONWHITE;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF backgroundColour = RGB(255, 255, 255);
    int backgroundMode = OPAQUE;
};

// Takes ownership; the handle is the object's address.
HGDIOBJ Register(std::unique_ptr<Object> object);
void Destroy(Object* object);
Object* Lookup(HGDIOBJ handle);

template <typename T> T* As(HGDIOBJ handle, Kind kind) {
    Object* object = Lookup(handle);
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}
inline Bitmap* AsBitmap(HGDIOBJ handle) {
    return As<Bitmap>(handle, Kind::Bitmap);
}
inline Palette* AsPalette(HGDIOBJ handle) {
    return As<Palette>(handle, Kind::Palette);
}
inline Brush* AsBrush(HGDIOBJ handle) {
    return As<Brush>(handle, Kind::Brush);
}
inline Font* AsFont(HGDIOBJ handle) {
    return As<Font>(handle, Kind::Font);
}
inline DeviceContext* AsDC(HDC handle) {
    return As<DeviceContext>(handle, Kind::DeviceContext);
}
inline HGDIOBJ HandleOf(Object* object) {
    return object;
}

// Stock objects, created on first use and never deleted.
Palette* DefaultPalette();
Bitmap* StockBitmap();
Brush* StockBrush(int index); // null for an index that is not a brush
Font* StockFont(int index);   // likewise for fonts

// Moves a selection from one object to another.
void Reselect(Object* from, Object* to);

} // namespace platform::gdi
