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
    SDL_AddEventWatch(CloseOnQuit, nullptr);
}

} // namespace platform
