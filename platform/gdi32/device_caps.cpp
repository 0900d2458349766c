// What the emulated display reports of itself, per display class.
#include "platform/drivers/display/backend.h"
#include "platform/drivers/display/display_class.h"
#include "platform/gdi32/objects.h"

namespace {

constexpr int kDotsPerInch = 96;
constexpr int kRasterCaps =
    RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;

int Millimetres(LONG pixels) {
    return static_cast<int>(pixels * 254 / (kDotsPerInch * 10));
}

int ResolutionCaps(int index) {
    SIZE desktop = platform::Display().DesktopSize();
    switch (index) {
    case HORZRES:
    case DESKTOPHORZRES:
        return desktop.cx;
    case VERTRES:
    case DESKTOPVERTRES:
        return desktop.cy;
    case HORZSIZE:
        return Millimetres(desktop.cx);
    case VERTSIZE:
        return Millimetres(desktop.cy);
    default:
        return kDotsPerInch;
    }
}

int ColourCaps(int index, bool palette) {
    switch (index) {
    case BITSPIXEL:
        return palette ? 8 : 32;
    case NUMCOLORS:
        return palette ? 20 : -1;
    case SIZEPALETTE:
        return palette ? 256 : 0;
    case NUMRESERVED:
        return palette ? 20 : 0;
    case RASTERCAPS:
        return kRasterCaps | (palette ? RC_PALETTE : 0);
    default: // COLORRES: the emulation keeps eight bits per gun
        return 24;
    }
}

} // namespace

int WINAPI GetDeviceCaps(HDC dc, int index) {
    if (!platform::gdi::AsDC(dc)) return 0;
    bool palette = platform::CurrentDisplayClass() == platform::DisplayClass::Palette;
    switch (index) {
    case DRIVERVERSION:
        return 0x400;
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case PLANES:
        return 1;
    case VREFRESH:
        return 60;
    case NUMBRUSHES:
    case NUMPENS:
        return -1;
    case HORZRES:
    case VERTRES:
    case HORZSIZE:
    case VERTSIZE:
    case DESKTOPHORZRES:
    case DESKTOPVERTRES:
    case LOGPIXELSX:
    case LOGPIXELSY:
        return ResolutionCaps(index);
    case BITSPIXEL:
    case NUMCOLORS:
    case SIZEPALETTE:
    case NUMRESERVED:
    case RASTERCAPS:
    case COLORRES:
        return ColourCaps(index, palette);
    default:
        return 0;
    }
}
