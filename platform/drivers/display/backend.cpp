// What every backend shares: one framebuffer per top-level window, sized to its client area.
#include "platform/drivers/display/backend.h"

#include "platform/user32/window/manager.h"

namespace platform {

void DisplayBackend::TopLevelChanged(HWND topLevel) {
    FramebufferFor(topLevel);
}

void DisplayBackend::TopLevelDestroyed(HWND topLevel) {
    framebuffers.erase(topLevel);
}

Framebuffer* DisplayBackend::FramebufferFor(HWND topLevel) {
    // The desktop window stands for the whole screen, which has no picture of its own.
    RECT client;
    if (!topLevel || topLevel == GetDesktopWindow() || TopLevelOf(topLevel) != topLevel ||
        !ClientRectOnScreen(topLevel, &client)) {
        return nullptr;
    }
    Framebuffer& frame = framebuffers[topLevel];
    frame.Resize(client.right - client.left, client.bottom - client.top);
    return &frame;
}

void DisplayBackend::ClearFramebuffers() {
    for (auto& [window, frame] : framebuffers)
        frame.Clear();
}

} // namespace platform
