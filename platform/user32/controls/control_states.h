// Per-window state of a control class, kept by handle (handles are never reused) and
// forgotten at WM_NCDESTROY.
#pragma once
#include <map>

#include "platform/win32.h"

namespace platform {

template <typename State> class ControlStates {
public:
    // Made on first use, so a control always has a state while it lives.
    State& Of(HWND control) { return states[control]; }
    void Forget(HWND control) { states.erase(control); }

private:
    std::map<HWND, State> states;
};

} // namespace platform
