// Host windows of other programs, wrapped by SDL, that stand in for the SDL windows the
// backend would make: the daemon's full-screen window and its preview box. SDL does not
// destroy a foreign window's host window; the wrappers live as long as SDL video.
#pragma once
#include <SDL.h>

#include "platform/win32.h"

namespace platform {

// Null when SDL video is not running on X11 or SDL cannot wrap the window. A wrapped window
// is watched from then on, since its owner may resize or destroy it, and from then on X
// errors no longer end the process: a request can still name the window after its owner
// destroyed it, before the program has heard of that.
SDL_Window* WrapX11Window(unsigned long id);

// What the owner did to a foreign window, from an X event SDL passed on (SDL_SYSWMEVENT).
struct ForeignChange {
    enum class Kind { Unchanged, Resized, Destroyed } kind = Kind::Unchanged;
    HWND topLevel = nullptr; // the top-level window shown in the foreign window
    int width = 0;
    int height = 0;
};
ForeignChange ForeignChangeOf(const SDL_SysWMmsg& message);

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
