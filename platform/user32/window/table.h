// Every live window of the thread, by handle, and the z-order of the top-level windows.
#pragma once
#include <vector>

#include "platform/user32/window/record.h"

namespace platform {

// Null for a handle that is not (or no longer) a window; the desktop window is included.
Window* FindWindowRecord(HWND handle);

// Takes a fresh record with a handle that is never reused.
Window& AddWindowRecord();
// Drops the record and its place in its parent's or the top-level z-order.
void RemoveWindowRecord(HWND handle);

// Top-level windows, bottom of the z-order first; topmost windows come after the others.
const std::vector<HWND>& TopLevelOrder();
// Puts a window at the top of its own group (topmost or not) among its siblings, or at
// the bottom of the whole list.
void RaiseWindow(Window& window);
void LowerWindow(Window& window);
// Puts a window just below (after, in Win32's terms) another sibling.
void PlaceWindowAfter(Window& window, HWND previous);

// The desktop window (sized to the display), created on first use.
Window& DesktopWindow();

// Every window handle, oldest first (for reset and broadcasts).
std::vector<HWND> AllWindowHandles();
void ForgetAllWindows();

} // namespace platform
