// Where mouse messages go: the capture window, else the window under the cursor.
#pragma once
#include "platform/win32.h"

namespace platform {

// Posts a mouse message for the cursor's present position (WM_SETCURSOR is sent first
// when no window has the capture). A click also activates the window's top-level window.
void RouteMouseMessage(UINT message);

// A window appearing or moving under a still cursor gets a WM_MOUSEMOVE, as on Windows.
void NotifyWindowUnderCursor(HWND window);

} // namespace platform
