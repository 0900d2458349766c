#include "platform/gdi32/window_table_cache.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/drivers/display/display_class.h"

namespace platform::gdi {
namespace {

template <typename T> bool SamePrefix(const T* a, const std::array<T, 256>& b, size_t count) {
    return std::memcmp(a, b.data(), count * sizeof(T)) == 0;
}

// Everything a window table is a function of: the source colours, the display class and,
// on a palette display, the selected palette's entries and its realised slots.
class TableInputs {
public:
    static bool Keepable(const DeviceContext& dc) {
        if (CurrentDisplayClass() != DisplayClass::Palette) return true;
        const Palette& selected = *dc.palette;
        return selected.realised && selected.entries.size() <= 256 &&
               selected.slots.size() == selected.entries.size();
    }

    bool Match(const DeviceContext& dc, const RGBQUAD* source, UINT sourceCount) const {
        DisplayClass current = CurrentDisplayClass();
        if (!valid || current != displayClass || sourceCount != count) return false;
        if (!SamePrefix(source, colours, count)) return false;
        if (current != DisplayClass::Palette) return true;
        const Palette& palette = *dc.palette;
        return palette.entries.size() == entryCount &&
               SamePrefix(palette.entries.data(), entries, entryCount) &&
               SamePrefix(palette.slots.data(), slots, entryCount);
    }

    void Store(const DeviceContext& dc, const RGBQUAD* source, UINT sourceCount) {
        valid = true;
        displayClass = CurrentDisplayClass();
        count = sourceCount;
        std::copy_n(source, count, colours.begin());
        entryCount = 0;
        if (displayClass != DisplayClass::Palette) return;
        const Palette& palette = *dc.palette;
        entryCount = palette.entries.size();
        std::copy_n(palette.entries.begin(), entryCount, entries.begin());
        std::copy_n(palette.slots.begin(), entryCount, slots.begin());
    }

private:
    bool valid = false;
    DisplayClass displayClass = DisplayClass::TrueColour;
    UINT count = 0;
    std::array<RGBQUAD, 256> colours{};
    size_t entryCount = 0;
    std::array<PALETTEENTRY, 256> entries{};
    std::array<BYTE, 256> slots{};
};

struct KeptTable {
    TableInputs inputs;
    WindowTable table{};
};

} // namespace

const WindowTable& WindowTableFor(const DeviceContext& dc, const RGBQUAD* colours, UINT count,
                                  WindowTable* scratch) {
    count = std::min<UINT>(count, 256);
    if (!TableInputs::Keepable(dc)) {
        BuildWindowTable(dc, colours, count, scratch);
        return *scratch;
    }
    static KeptTable kept;
    if (!kept.inputs.Match(dc, colours, count)) {
        kept.inputs.Store(dc, colours, count);
        BuildWindowTable(dc, colours, count, &kept.table);
    }
    return kept.table;
}

} // namespace platform::gdi
