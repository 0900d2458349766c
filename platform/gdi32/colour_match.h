// Nearest-colour searches shared by the palette and blit code.
#pragma once
#include "platform/win32.h"

namespace platform::gdi {

inline int ColourDistance(int red, int green, int blue, int red2, int green2, int blue2) {
    int dr = red - red2, dg = green - green2, db = blue - blue2;
    return dr * dr + dg * dg + db * db;
}

// Lowest index of the nearest entry; 0 for an empty table.
int NearestEntry(const PALETTEENTRY* entries, size_t count, BYTE red, BYTE green, BYTE blue);
int NearestEntry(const RGBQUAD* entries, size_t count, BYTE red, BYTE green, BYTE blue);

inline bool SameColour(const RGBQUAD& quad, const PALETTEENTRY& entry) {
    return quad.rgbRed == entry.peRed && quad.rgbGreen == entry.peGreen &&
           quad.rgbBlue == entry.peBlue;
}
inline bool SameColour(const RGBQUAD& a, const RGBQUAD& b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

} // namespace platform::gdi
