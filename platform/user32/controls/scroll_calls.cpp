// The scroll calls. Only scroll-bar controls (SB_CTL) have bars here: windows draw no
// scroll bars of their own, so the other bars fail.
#include "platform/win32.h"

namespace {

HWND ControlOf(HWND window, int bar) {
    return bar == SB_CTL && IsWindow(window) ? window : nullptr;
}

} // namespace

int WINAPI SetScrollPos(HWND window, int bar, int position, BOOL redraw) {
    HWND control = ControlOf(window, bar);
    return control ? static_cast<int>(SendMessageA(control, SBM_SETPOS, position, redraw)) : 0;
}

int WINAPI GetScrollPos(HWND window, int bar) {
    HWND control = ControlOf(window, bar);
    return control ? static_cast<int>(SendMessageA(control, SBM_GETPOS, 0, 0)) : 0;
}

BOOL WINAPI SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw) {
    HWND control = ControlOf(window, bar);
    if (!control) return FALSE;
    SendMessageA(control, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, minimum, maximum);
    return TRUE;
}

BOOL WINAPI GetScrollRange(HWND window, int bar, LPINT minimum, LPINT maximum) {
    HWND control = ControlOf(window, bar);
    if (!control) return FALSE;
    SendMessageA(control, SBM_GETRANGE, reinterpret_cast<WPARAM>(minimum),
                 reinterpret_cast<LPARAM>(maximum));
    return TRUE;
}

int WINAPI SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw) {
    HWND control = ControlOf(window, bar);
    if (!control || !info) return 0;
    return static_cast<int>(
        SendMessageA(control, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
}

BOOL WINAPI GetScrollInfo(HWND window, int bar, LPSCROLLINFO info) {
    HWND control = ControlOf(window, bar);
    if (!control || !info) return FALSE;
    return SendMessageA(control, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) ? TRUE
                                                                                       : FALSE;
}
