// Cursor position and mouse capture, shared by the cursor calls and input routing.
#pragma once
#include "platform/win32.h"

namespace platform {

POINT CursorPosition();
// Moves the cursor without generating messages; the position is kept on the desktop.
void PlaceCursor(POINT screen);

HWND CaptureWindow();
// A window going away loses the capture without a WM_CAPTURECHANGED.
void ForgetCaptureOf(HWND window);

void ResetCursorState();

} // namespace platform
