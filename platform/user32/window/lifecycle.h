// Steps of showing, hiding and tearing down windows shared by several calls.
#pragma once
#include "platform/win32.h"

namespace platform {

// Visibility changes with their messages; WM_SHOWWINDOW only when asked (ShowWindow sends
// it, SetWindowPos does not).
void RevealWindow(HWND window, bool notify);
void ConcealWindow(HWND window, bool notify);

// New windows go to the top of their siblings, as on Windows; a dialog's controls are
// linked below those made before them instead, so that z-order is template order from
// their first message on (an up-down control's automatic buddy is the one before it).
void PlaceNewChildrenAtBottom(bool atBottom);

// Tears a window and its descendants down without WM_DESTROY (WM_NCDESTROY only), for a
// creation that failed before WM_CREATE.
void DiscardWindow(HWND window);

} // namespace platform
