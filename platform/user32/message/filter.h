// The window and message-range filter of PeekMessageA and GetMessageA.
#pragma once
#include "platform/win32.h"

namespace platform {

struct MessageFilter {
    HWND window = nullptr; // null: any window and thread messages; (HWND)-1: thread only
    UINT first = 0;        // first == last == 0: every message
    UINT last = 0;

    bool MatchesWindow(HWND target) const {
        if (!window) return true;
        if (window == reinterpret_cast<HWND>(-1)) return target == nullptr;
        return target == window;
    }
    bool MatchesMessage(UINT message) const {
        return (first == 0 && last == 0) || (message >= first && message <= last);
    }
    bool Matches(HWND target, UINT message) const {
        return MatchesWindow(target) && MatchesMessage(message);
    }
    // The quit request belongs to the thread, not to a window.
    bool AcceptsQuit() const { return MatchesWindow(nullptr) && MatchesMessage(WM_QUIT); }
};

} // namespace platform
