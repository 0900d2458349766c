// One application owns the thread, so the foreground window is the active window while the
// application is active. Messages go out in the order Windows sends them: the old window
// hears it is deactivated, then WM_ACTIVATEAPP if the application was inactive, then the
// new window hears it is active; DefWindowProcA gives it the focus.
#include "platform/user32/window/activation.h"

#include <utility>

#include "platform/user32/window/manager.h"

namespace platform {
namespace {

struct ActivationState {
    bool applicationActive = false;
    HWND active = nullptr;
    HWND focus = nullptr;
    HWND lastActive = nullptr; // reactivated when the application comes back
};

ActivationState& State() {
    static ActivationState state;
    return state;
}

void BroadcastActivateApp(bool active) {
    for (HWND window : TopLevelWindows()) {
        SendMessageA(window, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
    }
}

void SendDeactivation(HWND window, HWND next) {
    SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
    SendMessageA(window, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(next));
}

void MoveFocus(HWND next) {
    HWND previous = std::exchange(State().focus, next);
    if (previous == next) return;
    if (previous) SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(next), 0);
    if (next) SendMessageA(next, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
}

HWND TopmostVisibleWindow() {
    auto windows = TopLevelWindows();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        if (IsWindowVisible(*window)) return *window;
    }
    return nullptr;
}

bool IsSelfOrDescendant(HWND window, HWND ancestor) {
    return window && (window == ancestor || IsChild(ancestor, window));
}

} // namespace

void ActivateApplication(bool active) {
    ActivationState& state = State();
    if (state.applicationActive == active) return;
    if (active) {
        HWND target = IsWindow(state.lastActive) ? state.lastActive : TopmostVisibleWindow();
        if (target) {
            SetActiveWindow(target);
        } else {
            state.applicationActive = true;
            BroadcastActivateApp(true);
        }
        return;
    }
    HWND previous = std::exchange(state.active, nullptr);
    state.lastActive = previous;
    if (previous) SendDeactivation(previous, nullptr);
    state.applicationActive = false;
    BroadcastActivateApp(false);
    MoveFocus(nullptr);
}

// As on Windows, activation passes back to the owner of an owned window (a dialog's
// parent), when that owner is shown.
void ReleaseActivation(HWND window) {
    ActivationState& state = State();
    if (IsSelfOrDescendant(state.focus, window)) MoveFocus(nullptr);
    if (state.lastActive == window) state.lastActive = nullptr;
    if (state.active != window) return;
    state.active = nullptr;
    SendDeactivation(window, nullptr);
    auto owner = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
    if (owner && !IsChild(owner, window) && IsWindowVisible(owner)) SetActiveWindow(owner);
}

void ResetActivation() {
    State() = ActivationState{};
}

} // namespace platform

using namespace platform;

HWND WINAPI SetActiveWindow(HWND window) {
    HWND target = TopLevelOf(window);
    if (!target) return nullptr;
    ActivationState& state = State();
    HWND previous = state.active;
    if (previous == target && state.applicationActive) return previous;
    if (previous && previous != target) SendDeactivation(previous, target);
    state.active = target;
    if (!state.applicationActive) {
        state.applicationActive = true;
        BroadcastActivateApp(true);
    }
    SendMessageA(target, WM_NCACTIVATE, TRUE, 0);
    SendMessageA(target, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    return previous;
}

HWND WINAPI GetActiveWindow(void) {
    return State().active;
}

BOOL WINAPI SetForegroundWindow(HWND window) {
    if (!TopLevelOf(window)) return FALSE;
    SetActiveWindow(window);
    return TRUE;
}

HWND WINAPI GetForegroundWindow(void) {
    return State().applicationActive ? State().active : nullptr;
}

HWND WINAPI SetFocus(HWND window) {
    HWND previous = State().focus;
    if (!window) {
        MoveFocus(nullptr);
        return previous;
    }
    if (!IsWindow(window)) return nullptr;
    if (State().active != TopLevelOf(window)) SetActiveWindow(window);
    MoveFocus(window);
    return previous;
}

HWND WINAPI GetFocus(void) {
    return State().focus;
}
