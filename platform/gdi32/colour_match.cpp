#include "platform/gdi32/colour_match.h"

namespace platform::gdi {
namespace {

template <typename Entry, typename Channels>
int Nearest(const Entry* entries, size_t count, BYTE red, BYTE green, BYTE blue,
            Channels channels) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < count && bestDistance > 0; ++i) {
        int r, g, b;
        channels(entries[i], r, g, b);
        int distance = ColourDistance(red, green, blue, r, g, b);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace

int NearestEntry(const PALETTEENTRY* entries, size_t count, BYTE red, BYTE green, BYTE blue) {
    return Nearest(entries, count, red, green, blue,
                   [](const PALETTEENTRY& e, int& r, int& g, int& b) {
                       r = e.peRed, g = e.peGreen, b = e.peBlue;
                   });
}

int NearestEntry(const RGBQUAD* entries, size_t count, BYTE red, BYTE green, BYTE blue) {
    return Nearest(entries, count, red, green, blue, [](const RGBQUAD& e, int& r, int& g, int& b) {
        r = e.rgbRed, g = e.rgbGreen, b = e.rgbBlue;
    });
}

} // namespace platform::gdi
