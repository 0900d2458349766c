// Key states: the high bit while down, the low bit toggled by each press. As on Windows,
// GetKeyState tells the state as of the key messages retrieved so far (a program that
// reads Shift while handling a key sees it as it was when that key was pressed), and
// GetAsyncKeyState the state as input reported it. Mouse buttons count at once for both.
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

KeyboardState& Retrieved() {
    static KeyboardState state;
    return state;
}

bool IsMouseButton(UINT virtualKey) {
    return virtualKey == VK_LBUTTON || virtualKey == VK_RBUTTON || virtualKey == VK_MBUTTON;
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

bool Update(KeyboardState& state, UINT virtualKey, bool down) {
    bool wasDown = state.down[virtualKey];
    UpdateKey(state, virtualKey, down);
    if (GenericKey(virtualKey) != virtualKey) UpdateKey(state, GenericKey(virtualKey), down);
    return wasDown;
}

} // namespace

bool IsKeyDown(UINT virtualKey) {
    return virtualKey < 256 && State().down[virtualKey];
}

bool RecordKey(UINT virtualKey, bool down) {
    if (virtualKey >= 256) return false;
    if (IsMouseButton(virtualKey)) Update(Retrieved(), virtualKey, down);
    return Update(State(), virtualKey, down);
}

void NoteRetrievedMessage(const MSG& msg) {
    bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
    if ((down || up) && msg.wParam < 256) Update(Retrieved(), static_cast<UINT>(msg.wParam), down);
}

void ResetKeyboardState() {
    State() = KeyboardState{};
    Retrieved() = KeyboardState{};
}

} // namespace platform

using namespace platform;

SHORT WINAPI GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= 256) return 0;
    const KeyboardState& retrieved = Retrieved();
    SHORT state = retrieved.down[virtualKey] ? SHORT(0x8000) : SHORT(0);
    return static_cast<SHORT>(state | (retrieved.toggled[virtualKey] ? 1 : 0));
}

SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    return IsKeyDown(static_cast<UINT>(virtualKey)) ? SHORT(0x8000) : SHORT(0);
}
