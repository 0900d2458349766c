// Key states for GetKeyState: the high bit while down, the low bit toggled by each press.
#include "platform/user32/input/keyboard_state.h"

#include <array>

namespace platform {
namespace {

struct KeyboardState {
    std::array<bool, 256> down{};
    std::array<bool, 256> toggled{};
};

KeyboardState& State() {
    static KeyboardState state;
    return state;
}

// Left and right variants also count as the generic key.
UINT GenericKey(UINT virtualKey) {
    switch (virtualKey) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return virtualKey;
    }
}

void UpdateKey(KeyboardState& state, UINT key, bool down) {
    if (down && !state.down[key]) state.toggled[key] = !state.toggled[key];
    state.down[key] = down;
}

} // namespace

bool IsKeyDown(UINT virtualKey) {
    return virtualKey < 256 && State().down[virtualKey];
}

bool RecordKey(UINT virtualKey, bool down) {
    if (virtualKey >= 256) return false;
    KeyboardState& state = State();
    bool wasDown = state.down[virtualKey];
    UpdateKey(state, virtualKey, down);
    if (GenericKey(virtualKey) != virtualKey) UpdateKey(state, GenericKey(virtualKey), down);
    return wasDown;
}

void ResetKeyboardState() {
    State() = KeyboardState{};
}

} // namespace platform

using namespace platform;

SHORT WINAPI GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= 256) return 0;
    SHORT state = State().down[virtualKey] ? SHORT(0x8000) : SHORT(0);
    return static_cast<SHORT>(state | (State().toggled[virtualKey] ? 1 : 0));
}

SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    return IsKeyDown(static_cast<UINT>(virtualKey)) ? SHORT(0x8000) : SHORT(0);
}
