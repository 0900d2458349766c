// Host windows of other programs, wrapped by SDL, that stand in for the SDL windows the
// backend would make: the daemon's full-screen window and its preview box. SDL does not
// destroy a foreign window's host window; the wrappers live as long as SDL video.
#pragma once
#include <SDL.h>

#include "platform/win32.h"

namespace platform {

// Null when SDL video is not running on X11 or SDL cannot wrap the window.
SDL_Window* WrapX11Window(unsigned long id);

// The program's full-screen window is shown in this window, whose size is the desktop's.
void SetScreenHost(SDL_Window* window);
SDL_Window* ScreenHost();

// This top-level window is shown in that foreign window.
void SetAdoptedHost(HWND topLevel, SDL_Window* window);

// The foreign window a new host of this top-level window is to use, or null for a window of
// its own. The screen host serves one full-screen window at a time.
SDL_Window* ClaimForeignHost(HWND topLevel);
void ReleaseForeignHost(HWND topLevel);

} // namespace platform
