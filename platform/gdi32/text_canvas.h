// Solid areas and glyph masks drawn through a device context: its target (window picture or
// memory bitmap), its colours, and a clip of the caller's on top of the target's.
#pragma once
#include <cstdint>

#include "platform/gdi32/draw_target.h"

namespace platform::gdi {

class TextCanvas {
public:
    // False when the DC has nowhere to draw.
    bool Open(const DeviceContext& dc, const RECT* clip);
    // Tells the display what changed.
    ~TextCanvas();

    void Fill(const RECT& area, COLORREF colour);
    // Sets every pixel whose mask byte is not 0; the mask's top-left lands at (x, y).
    void Mask(LONG x, LONG y, const uint8_t* mask, int width, int height, int pitch,
              COLORREF colour);

private:
    void Put(LONG x, LONG y, uint32_t windowValue, BYTE indexValue);
    void Touch(const RECT& area);

    const DeviceContext* dc = nullptr;
    DrawTarget target;
    RECT clip{};
    RECT changed{};
};

} // namespace platform::gdi
