// Where the windows' pictures go: a host window system or memory only. The GDI draws into
// per-top-level framebuffers kept here and tells the backend what changed.
#pragma once
#include <map>

#include "platform/drivers/display/framebuffer.h"
#include "platform/win32.h"

namespace platform {

class DisplayBackend {
public:
    virtual ~DisplayBackend() = default;

    virtual SIZE DesktopSize() = 0;

    // The window manager calls these after a top-level window is created, moved or resized,
    // shown or hidden, and just before it goes away.
    virtual void TopLevelChanged(HWND topLevel);
    virtual void TopLevelDestroyed(HWND topLevel);

    // Turns pending host events into window messages; waits up to the given time for one.
    virtual void PumpInput() = 0;
    virtual void WaitForInput(DWORD milliseconds) = 0;
    // Callable from any thread: a WaitForInput under way (or the next one) returns at once.
    virtual void WakeFromAnyThread() = 0;

    // The client-area picture of a top-level window, sized to its client area; null for a
    // window that is not top-level or not valid, and for the desktop window.
    Framebuffer* FramebufferFor(HWND topLevel);

    // A rectangle of a framebuffer (client coordinates) changed.
    virtual void Present(HWND topLevel, const RECT& dirty) = 0;

    // The system palette changed: every window shown through it looks different now.
    virtual void SystemPaletteChanged() = 0;

    // Drops every framebuffer's content (the display class changed).
    void ClearFramebuffers();

protected:
    std::map<HWND, Framebuffer>& Framebuffers() { return framebuffers; }

private:
    std::map<HWND, Framebuffer> framebuffers;
};

// The backend in use, chosen at first use: LUMARIS_DISPLAY=headless|sdl, otherwise SDL when a
// host display is reachable, else headless.
DisplayBackend& Display();

// Whether LUMARIS_DISPLAY and the host ask for SDL. Unset or empty: SDL when DISPLAY or
// WAYLAND_DISPLAY is set. Any other value than the two names is reported on standard error
// and taken as unset.
bool SdlDisplayWanted();

} // namespace platform
