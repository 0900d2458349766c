// Host input as window messages. Keys and mouse messages are posted, like the input
// Windows takes from its hardware queue; activation changes are sent at once.
#include "platform/user32/input/host_input.h"

#include "platform/user32/input/cursor_state.h"
#include "platform/user32/input/keyboard_state.h"
#include "platform/user32/input/mouse_routing.h"
#include "platform/user32/message/queue.h"
#include "platform/user32/window/activation.h"

namespace platform {
namespace {

constexpr DWORD kContextAlt = 1u << 29;
constexpr DWORD kPreviouslyDown = 1u << 30;
constexpr DWORD kReleased = 1u << 31;

UINT KeyMessage(bool down, bool systemKey) {
    if (systemKey) return down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    return down ? WM_KEYDOWN : WM_KEYUP;
}

// Repeat count 1, no scan code; the context bit says Alt is held, which is what makes a
// system key other than F10.
LPARAM KeyFlags(UINT virtualKey, bool down, bool systemKey, bool wasDown) {
    DWORD flags = 1;
    if (systemKey && (virtualKey != VK_F10 || IsKeyDown(VK_MENU))) flags |= kContextAlt;
    if (wasDown) flags |= kPreviouslyDown;
    if (!down) flags |= kReleased;
    return static_cast<LPARAM>(flags);
}

UINT ButtonMessage(int button, bool down) {
    static const UINT messages[3][2] = {{WM_LBUTTONUP, WM_LBUTTONDOWN},
                                        {WM_RBUTTONUP, WM_RBUTTONDOWN},
                                        {WM_MBUTTONUP, WM_MBUTTONDOWN}};
    return messages[button][down ? 1 : 0];
}

const UINT kButtonKeys[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};

} // namespace

void InjectKey(UINT virtualKey, bool down, bool systemKey) {
    bool wasDown = RecordKey(virtualKey, down);
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target) return;
    AppendMessage(target, KeyMessage(down, systemKey), virtualKey,
                  KeyFlags(virtualKey, down, systemKey, wasDown));
}

void InjectMouseMove(POINT screen) {
    PlaceCursor(screen);
    RouteMouseMessage(WM_MOUSEMOVE);
}

void InjectMouseButton(int button, bool down, POINT screen) {
    if (button < 0 || button > 2) return;
    PlaceCursor(screen);
    RecordKey(kButtonKeys[button], down);
    RouteMouseMessage(ButtonMessage(button, down));
}

void InjectActivateApp(bool active) {
    ActivateApplication(active);
}

void InjectCloseRequest(HWND window) {
    if (IsWindow(window)) AppendMessage(window, WM_CLOSE, 0, 0);
}

} // namespace platform
