// GetSystemMetrics: the screen from the display, the rest the usual values of a 96 dpi
// desktop of the time.
#include "platform/drivers/display/backend.h"

using platform::Display;

namespace {

int FixedMetric(int index) {
    switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYCAPTION:
    case SM_CYMENU:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_MOUSEPRESENT:
    case SM_CMONITORS:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CMOUSEBUTTONS:
        return 3;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    default:
        return 0;
    }
}

} // namespace

int WINAPI GetSystemMetrics(int index) {
    SIZE desktop = Display().DesktopSize();
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CXFULLSCREEN:
        return desktop.cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
        return desktop.cy;
    case SM_CYFULLSCREEN:
        return desktop.cy - FixedMetric(SM_CYCAPTION);
    default:
        return FixedMetric(index);
    }
}
