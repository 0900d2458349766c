// Where the saver decides to close: the first key, click, deactivation or a drift of the
// cursor of more than kMouseThreshold pixels (horizontal plus vertical) from where it was.
#include <cstdlib>

#include "shell/PasswordHooks.h"
#include "shell/SaverWindow.h"
#include "shell/ShellState.h"

namespace {

void RequestClose(HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
}

// Small moves do not move the reference, so they add up.
void CheckMouseDrift(HWND window) {
    POINT now{};
    GetCursorPos(&now);
    const long drift = std::labs(long(now.x) - shellState.lastCursor.x) +
                       std::labs(long(now.y) - shellState.lastCursor.y);
    if (drift <= kMouseThreshold) return;
    RequestClose(window);
    shellState.lastCursor = now;
}

LRESULT OnCloseRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (shellState.win9xFamily && !VerifyPassword(window)) {
        GetCursorPos(&shellState.lastCursor);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT InterpretInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam) SetCursor(nullptr);
        break;
    case WM_ACTIVATEAPP:
        if (!wParam) RequestClose(window);
        break;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return 1;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        RequestClose(window);
        break;
    case WM_MOUSEMOVE:
        CheckMouseDrift(window);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

LRESULT ShellDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (shellState.previewMode || shellState.closeAccepted)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_CLOSE) return OnCloseRequest(window, message, wParam, lParam);
    if (message == WM_APP && shellState.win9xFamily) return RunVerifyFunction(window);
    if (message == WM_APP || shellState.verifying)
        return DefWindowProcA(window, message, wParam, lParam);
    return InterpretInput(window, message, wParam, lParam);
}
