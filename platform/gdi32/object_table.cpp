// The table of live GDI objects and the stock objects.
#include <cstring>
#include <unordered_map>

#include "platform/gdi32/objects.h"
#include "platform/gdi32/system_palette.h"

namespace platform::gdi {
namespace {

std::unordered_map<Object*, std::unique_ptr<Object>>& Table() {
    static std::unordered_map<Object*, std::unique_ptr<Object>> table;
    return table;
}

template <typename T> T* MakeStock() {
    auto object = std::make_unique<T>();
    object->stock = true;
    T* raw = object.get();
    Register(std::move(object));
    return raw;
}

Brush* MakeStockBrush(COLORREF colour, bool hollow) {
    Brush* brush = MakeStock<Brush>();
    brush->colour = colour;
    brush->hollow = hollow;
    return brush;
}

Font* MakeStockFont(LONG height, LONG weight, BYTE pitch, const char* face) {
    Font* font = MakeStock<Font>();
    font->logFont.lfHeight = height;
    font->logFont.lfWeight = weight;
    font->logFont.lfPitchAndFamily = pitch;
    std::strncpy(font->logFont.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

} // namespace

HGDIOBJ Register(std::unique_ptr<Object> object) {
    Object* raw = object.get();
    Table().emplace(raw, std::move(object));
    return raw;
}

void Destroy(Object* object) {
    Table().erase(object);
}

Object* Lookup(HGDIOBJ handle) {
    auto found = Table().find(static_cast<Object*>(handle));
    return found == Table().end() ? nullptr : found->second.get();
}

Palette* DefaultPalette() {
    static Palette* palette = [] {
        Palette* stock = MakeStock<Palette>();
        stock->entries.assign(StaticColours().begin(), StaticColours().end());
        return stock;
    }();
    return palette;
}

Bitmap* StockBitmap() {
    static Bitmap* bitmap = [] {
        Bitmap* stock = MakeStock<Bitmap>();
        stock->pixels = AllocatePixels<BYTE>(4);
        stock->colours[1] = {255, 255, 255, 0};
        stock->colourCount = 2;
        return stock;
    }();
    return bitmap;
}

Brush* StockBrush(int index) {
    static Brush* brushes[] = {
        MakeStockBrush(RGB(255, 255, 255), false), MakeStockBrush(RGB(192, 192, 192), false),
        MakeStockBrush(RGB(128, 128, 128), false), MakeStockBrush(RGB(64, 64, 64), false),
        MakeStockBrush(RGB(0, 0, 0), false),       MakeStockBrush(0, true),
    };
    return index >= WHITE_BRUSH && index <= NULL_BRUSH ? brushes[index] : nullptr;
}

// The GUI font is the dialogs' 8 points at 96 dots per inch; the system font is the bold
// 16-pixel face of a DC nobody chose a font for.
Font* StockFont(int index) {
    static Font* fixed = MakeStockFont(-12, FW_NORMAL, FIXED_PITCH, "DejaVu Sans Mono");
    static Font* system = MakeStockFont(16, FW_BOLD, VARIABLE_PITCH, "System");
    static Font* gui = MakeStockFont(-11, FW_NORMAL, VARIABLE_PITCH, "MS Shell Dlg");
    switch (index) {
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        return fixed;
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        return system;
    case ANSI_VAR_FONT:
    case DEFAULT_GUI_FONT:
        return gui;
    default:
        return nullptr;
    }
}

void Reselect(Object* from, Object* to) {
    if (from) --from->selections;
    if (to) ++to->selections;
}

} // namespace platform::gdi
