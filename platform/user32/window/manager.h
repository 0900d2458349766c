// What the display side needs to know about the windows: geometry on the screen,
// visibility and the top-level windows that have a surface of their own.
#pragma once
#include <vector>

#include "platform/win32.h"

namespace platform {

// The client area of a window in screen coordinates; false for an invalid window.
bool ClientRectOnScreen(HWND window, RECT* out);

// The top-level window that a window belongs to (itself when it is top-level; null when
// the handle is invalid).
HWND TopLevelOf(HWND window);

// The window and all of its ancestors are visible.
bool IsShownOnScreen(HWND window);

// A visible or hidden top-level pop-up window whose rectangle covers the whole desktop.
bool IsFullScreen(HWND window);

// Every live top-level window (not the desktop window), bottom of the z-order first.
std::vector<HWND> TopLevelWindows();

// The cursor is to be drawn: its show count is not negative and a shape is set.
bool CursorIsShown();

} // namespace platform
