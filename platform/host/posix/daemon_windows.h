// The host's screen-saver daemon hands the program a window of its own to draw in, by X
// window id: its full-screen window, or the preview box of its settings program.
#pragma once
#include "platform/win32.h"

namespace platform {

// An X window id as the daemon writes it, hex with 0x or decimal; 0 for anything else.
unsigned long ParseHostWindowId(const char* text);

// The program's full-screen window is to be shown in this window, which becomes the desktop.
// False when the display cannot draw into it (headless display, no such window).
bool ShowFullScreenInHostWindow(unsigned long id);

// A visible top-level window of the foreign window's size, shown in it, for a preview to be
// drawn into; null when the display cannot draw into it.
HWND AdoptHostWindow(unsigned long id);

} // namespace platform
