#include "platform/drivers/display/sdl/input.h"

#include "platform/drivers/display/sdl/keymap.h"
#include "platform/user32/input/host_input.h"
#include "platform/user32/window/manager.h"

namespace platform {
namespace {

int ButtonIndex(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    default:
        return -1;
    }
}

void HandleKey(const SDL_KeyboardEvent& event) {
    UINT virtualKey = VirtualKeyOf(event.keysym.sym);
    if (!virtualKey) return;
    InjectKey(virtualKey, event.state == SDL_PRESSED,
              IsSystemKey(event.keysym.sym, event.keysym.mod));
}

} // namespace

bool SdlInput::ScreenPoint(Uint32 windowId, int x, int y, const SdlWindowDirectory& windows,
                           POINT* screen) const {
    RECT client;
    HWND window = windows.WindowOfId(windowId);
    if (!window || !ClientRectOnScreen(window, &client)) return false;
    *screen = POINT{client.left + x, client.top + y};
    return true;
}

void SdlInput::Handle(const SDL_Event& event, SdlWindowDirectory& windows) {
    POINT screen;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        HandleKey(event.key);
        break;
    case SDL_MOUSEMOTION:
        if (ScreenPoint(event.motion.windowID, event.motion.x, event.motion.y, windows, &screen)) {
            InjectMouseMove(screen);
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (ButtonIndex(event.button.button) >= 0 &&
            ScreenPoint(event.button.windowID, event.button.x, event.button.y, windows, &screen)) {
            InjectMouseButton(ButtonIndex(event.button.button), event.type == SDL_MOUSEBUTTONDOWN,
                              screen);
        }
        break;
    case SDL_WINDOWEVENT:
        HandleWindowEvent(event.window, windows);
        break;
    default:
        break;
    }
}

void SdlInput::HandleWindowEvent(const SDL_WindowEvent& event, SdlWindowDirectory& windows) {
    HWND window = windows.WindowOfId(event.windowID);
    switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        focusMoved = true;
        break;
    case SDL_WINDOWEVENT_CLOSE:
        if (window) InjectCloseRequest(window);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (window) windows.Expose(window);
        break;
    default:
        break;
    }
}

void SdlInput::Settle(const SdlWindowDirectory& windows) {
    if (!focusMoved) return;
    focusMoved = false;
    bool nowActive = windows.OwnsKeyboardFocus();
    if (nowActive == active) return;
    active = nowActive;
    InjectActivateApp(active);
}

} // namespace platform
