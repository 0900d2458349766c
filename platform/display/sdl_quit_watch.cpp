#include "platform/display/sdl_quit_watch.h"

#include <SDL.h>

#include "platform/input.h"
#include "platform/window_manager.h"

namespace platform {
namespace {

int CloseOnQuit(void*, SDL_Event* event) {
    if (event->type != SDL_QUIT) return 0;
    for (HWND window : TopLevelWindows())
        if (IsWindowVisible(window)) InjectCloseRequest(window);
    return 0;
}

} // namespace

void WatchHostQuitRequests() {
    // SDL's handlers only raise a flag that the next event pump (part of every message
    // retrieval) turns into the quit event; the watch gives that event its meaning.
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "0", SDL_HINT_OVERRIDE);
    SDL_AddEventWatch(CloseOnQuit, nullptr);
}

} // namespace platform
