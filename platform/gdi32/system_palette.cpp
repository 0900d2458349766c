#include "platform/gdi32/system_palette.h"

#include "platform/gdi32/colour_match.h"

namespace platform::gdi {
namespace {

constexpr int kSlots = 256;
constexpr int kStaticHalf = 10;

bool SameColour(const PALETTEENTRY& a, const PALETTEENTRY& b) {
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

int StaticSlot(int index) {
    return index < kStaticHalf ? index : kSlots - 20 + index;
}

} // namespace

const std::array<PALETTEENTRY, 20>& StaticColours() {
    static const std::array<PALETTEENTRY, 20> colours = {{
        {0x00, 0x00, 0x00, 0}, {0x80, 0x00, 0x00, 0}, {0x00, 0x80, 0x00, 0}, {0x80, 0x80, 0x00, 0},
        {0x00, 0x00, 0x80, 0}, {0x80, 0x00, 0x80, 0}, {0x00, 0x80, 0x80, 0}, {0xC0, 0xC0, 0xC0, 0},
        {0xC0, 0xDC, 0xC0, 0}, {0xA6, 0xCA, 0xF0, 0}, {0xFF, 0xFB, 0xF0, 0}, {0xA0, 0xA0, 0xA4, 0},
        {0x80, 0x80, 0x80, 0}, {0xFF, 0x00, 0x00, 0}, {0x00, 0xFF, 0x00, 0}, {0xFF, 0xFF, 0x00, 0},
        {0x00, 0x00, 0xFF, 0}, {0xFF, 0x00, 0xFF, 0}, {0x00, 0xFF, 0xFF, 0}, {0xFF, 0xFF, 0xFF, 0},
    }};
    return colours;
}

SystemPalette& TheSystemPalette() {
    static SystemPalette palette;
    return palette;
}

void SystemPalette::Reset() {
    entries.fill(PALETTEENTRY{});
    owners.fill(nullptr);
    reserved.fill(false);
    use = SYSPAL_STATIC;
    for (int i = 0; i < 20; ++i)
        entries[StaticSlot(i)] = StaticColours()[i];
}

uint32_t SystemPalette::Rgb(int slot) const {
    const PALETTEENTRY& e = entries[slot];
    return (uint32_t{e.peRed} << 16) | (uint32_t{e.peGreen} << 8) | e.peBlue;
}

bool SystemPalette::IsStatic(int slot) const {
    switch (use) {
    case SYSPAL_STATIC:
        return slot < kStaticHalf || slot >= kSlots - kStaticHalf;
    case SYSPAL_NOSTATIC:
        return slot == 0 || slot == kSlots - 1;
    default:
        return false;
    }
}

UINT SystemPalette::SetUse(UINT newUse) {
    if (newUse != SYSPAL_STATIC && newUse != SYSPAL_NOSTATIC && newUse != SYSPAL_NOSTATIC256) {
        return SYSPAL_ERROR;
    }
    UINT previous = use;
    use = newUse;
    // Static slots hold their system colours again; black and white stay at the ends.
    for (int i = 0; i < 20; ++i) {
        int slot = StaticSlot(i);
        if (!IsStatic(slot)) continue;
        entries[slot] = StaticColours()[i];
        owners[slot] = nullptr;
        reserved[slot] = false;
    }
    return previous;
}

int SystemPalette::ExactSlot(const PALETTEENTRY& colour, const Palette& owner) const {
    for (int slot = 0; slot < kSlots; ++slot) {
        bool usable = IsStatic(slot) || (owners[slot] == &owner && !reserved[slot]);
        if (usable && SameColour(entries[slot], colour)) return slot;
    }
    return -1;
}

int SystemPalette::NearestSlot(BYTE red, BYTE green, BYTE blue) const {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int slot = 0; slot < kSlots && bestDistance > 0; ++slot) {
        if (!IsStatic(slot) && (!owners[slot] || reserved[slot])) continue;
        const PALETTEENTRY& e = entries[slot];
        int distance = ColourDistance(red, green, blue, e.peRed, e.peGreen, e.peBlue);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = slot;
        }
    }
    return best;
}

int SystemPalette::MatchOrTake(const PALETTEENTRY& entry, const Palette& owner, int& nextFree,
                               UINT& changed) {
    bool collapsible = !(entry.peFlags & (PC_RESERVED | PC_NOCOLLAPSE));
    if (collapsible) {
        int match = ExactSlot(entry, owner);
        if (match >= 0) return match;
    }
    while (nextFree < kSlots && (IsStatic(nextFree) || owners[nextFree]))
        ++nextFree;
    if (nextFree == kSlots) return NearestSlot(entry.peRed, entry.peGreen, entry.peBlue);
    int slot = nextFree++;
    if (!SameColour(entries[slot], entry)) ++changed;
    entries[slot] = PALETTEENTRY{entry.peRed, entry.peGreen, entry.peBlue, 0};
    owners[slot] = &owner;
    reserved[slot] = (entry.peFlags & PC_RESERVED) != 0;
    return slot;
}

UINT SystemPalette::RealiseForeground(Palette& palette) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (IsStatic(slot)) continue;
        owners[slot] = nullptr;
        reserved[slot] = false;
    }
    palette.slots.resize(palette.entries.size());
    int nextFree = 0;
    UINT changed = 0;
    for (size_t i = 0; i < palette.entries.size(); ++i) {
        const PALETTEENTRY& entry = palette.entries[i];
        palette.slots[i] = entry.peFlags & PC_EXPLICIT
                               ? entry.peRed
                               : static_cast<BYTE>(MatchOrTake(entry, palette, nextFree, changed));
    }
    palette.realised = true;
    return changed;
}

void SystemPalette::RealiseBackground(Palette& palette) const {
    palette.slots.resize(palette.entries.size());
    for (size_t i = 0; i < palette.entries.size(); ++i) {
        const PALETTEENTRY& entry = palette.entries[i];
        palette.slots[i] =
            entry.peFlags & PC_EXPLICIT
                ? entry.peRed
                : static_cast<BYTE>(NearestSlot(entry.peRed, entry.peGreen, entry.peBlue));
    }
    palette.realised = true;
}

bool SystemPalette::Animate(const Palette& palette, int slot, const PALETTEENTRY& colour) {
    if (owners[slot] != &palette || !reserved[slot] || SameColour(entries[slot], colour)) {
        return false;
    }
    entries[slot] = PALETTEENTRY{colour.peRed, colour.peGreen, colour.peBlue, 0};
    return true;
}

void SystemPalette::ForgetOwner(const Palette& palette) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (owners[slot] != &palette) continue;
        owners[slot] = nullptr;
        reserved[slot] = false;
    }
}

} // namespace platform::gdi
