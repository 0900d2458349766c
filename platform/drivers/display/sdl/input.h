// Host events turned into window messages through the window manager's input calls.
#pragma once
#include <SDL.h>

#include "platform/win32.h"

namespace platform {

// What the input side needs to know of the host windows.
class SdlWindowDirectory {
public:
    virtual HWND WindowOfId(Uint32 sdlWindowId) const = 0;
    virtual bool OwnsKeyboardFocus() const = 0;
    // The host lost the window's picture; show it again.
    virtual void Expose(HWND window) = 0;

protected:
    ~SdlWindowDirectory() = default;
};

class SdlInput {
public:
    void Handle(const SDL_Event& event, SdlWindowDirectory& windows);
    // Activation is judged after a batch of events: focus moving between two of our own
    // windows is not a loss of activation.
    void Settle(const SdlWindowDirectory& windows);

private:
    void HandleWindowEvent(const SDL_WindowEvent& event, SdlWindowDirectory& windows);
    bool ScreenPoint(Uint32 windowId, int x, int y, const SdlWindowDirectory& windows,
                     POINT* screen) const;

    bool active = false;
    bool focusMoved = false;
};

} // namespace platform
