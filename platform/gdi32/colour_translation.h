// How a colour reaches a destination: as a framebuffer value for a window (0x00RRGGBB on a
// true-colour display, a system-palette slot on a palette display) or as an index into the
// colour table of a memory DC's bitmap.
#pragma once
#include <array>

#include "platform/gdi32/objects.h"

namespace platform::gdi {

using WindowTable = std::array<uint32_t, 256>;
using IndexTable = std::array<BYTE, 256>;

// Source colour-table index -> framebuffer value through the DC's selected palette. Indices
// beyond the table show black.
void BuildWindowTable(const DeviceContext& dc, const RGBQUAD* colours, UINT count,
                      WindowTable* table);
// Source index -> destination index: the same index where the tables agree, else the nearest.
void BuildIndexTable(const RGBQUAD* colours, UINT count, const Bitmap& destination,
                     IndexTable* table);

uint32_t WindowValueOf(const DeviceContext& dc, COLORREF colour);
BYTE IndexValueOf(const Bitmap& destination, COLORREF colour);

// A framebuffer value as the screen shows it now.
COLORREF ShownColour(uint32_t value);

} // namespace platform::gdi
