// The emulated hardware palette of a 256-colour display: twenty static colours (ten at each
// end) and the free slots that foreground palettes take over.
#pragma once
#include <array>

#include "platform/gdi32/objects.h"

namespace platform::gdi {

class SystemPalette {
public:
    SystemPalette() { Reset(); }

    // Static colours in place, free slots black, SYSPAL_STATIC, no slot owned.
    void Reset();

    const PALETTEENTRY& Entry(int slot) const { return entries[slot]; }
    // 0x00RRGGBB of a slot, the form the framebuffers are shown in.
    uint32_t Rgb(int slot) const;
    UINT Use() const { return use; }
    // Returns the previous use, SYSPAL_ERROR for an unknown one.
    UINT SetUse(UINT newUse);

    // Windows' foreground realisation: the palette takes over every free slot. Returns the
    // number of slots whose colour changed; fills the palette's slot map.
    UINT RealiseForeground(Palette& palette);
    // Maps the palette onto the colours already there, changing nothing.
    void RealiseBackground(Palette& palette) const;
    // Writes a slot that the palette owns as an animatable entry; false when it does not.
    bool Animate(const Palette& palette, int slot, const PALETTEENTRY& colour);
    void ForgetOwner(const Palette& palette);

    // Lowest slot with the nearest colour (static slots and slots not reserved).
    int NearestSlot(BYTE red, BYTE green, BYTE blue) const;

private:
    bool IsStatic(int slot) const;
    // Slots a collapsible entry may share: statics and what this realisation has placed.
    int ExactSlot(const PALETTEENTRY& colour, const Palette& owner) const;
    int MatchOrTake(const PALETTEENTRY& entry, const Palette& owner, int& nextFree, UINT& changed);

    std::array<PALETTEENTRY, 256> entries{};
    std::array<const Palette*, 256> owners{};
    std::array<bool, 256> reserved{};
    UINT use = SYSPAL_STATIC;
};

SystemPalette& TheSystemPalette();

// The usual twenty static colours of a 256-colour display; index 0..9 are slots 0..9, index
// 10..19 are slots 246..255.
const std::array<PALETTEENTRY, 20>& StaticColours();

} // namespace platform::gdi
