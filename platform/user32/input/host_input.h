// Host input turned into window messages, as the window manager of Windows would route it.
// Used by the display backends and by tests.
#pragma once
#include "platform/win32.h"

namespace platform {

// A key press or release to the focus window (the active window when none has the focus):
// WM_KEYDOWN/WM_KEYUP, or WM_SYSKEYDOWN/WM_SYSKEYUP for a system key (Alt held, F10).
void InjectKey(UINT virtualKey, bool down, bool systemKey);

// Moves the cursor to a screen position; WM_MOUSEMOVE in client coordinates goes to the
// capture window, else to the visible window under the cursor.
void InjectMouseMove(POINT screen);

// Button 0 left, 1 right, 2 middle; routed as a mouse move is.
void InjectMouseButton(int button, bool down, POINT screen);

// The application gains or loses activation: WM_NCACTIVATE and WM_ACTIVATE to the active
// window and WM_ACTIVATEAPP to every top-level window.
void InjectActivateApp(bool active);

// The host asks to close a top-level window: WM_CLOSE is posted to it.
void InjectCloseRequest(HWND window);

} // namespace platform
