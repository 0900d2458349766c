// The table of live GDI objects and the stock objects.
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

void Reselect(Object* from, Object* to) {
    if (from) --from->selections;
    if (to) ++to->selections;
}

} // namespace platform::gdi
