// Test controls of the GDI and the headless display.
#pragma once
#include <vector>

#include "platform/drivers/display/capture.h"
#include "platform/drivers/display/display_class.h"
#include "platform/drivers/display/headless/headless_backend.h"
#include "platform/win32.h"

namespace platform::testing {

using platform::DisplayClass;

// Switches the emulated display; resets the system palette and clears every window picture.
void SetDisplayClass(DisplayClass displayClass);

void SetDesktopSize(LONG width, LONG height);

// What a window's client pixel looks like on screen; CLR_INVALID outside its client area
// or its top-level window's picture.
COLORREF ShownPixel(HWND window, int x, int y);

// The whole client area as shown, top row first.
std::vector<COLORREF> ShownClientPixels(HWND window);

// Presents made by the headless display since the last reset; a palette change counts as a
// present of the whole of every window.
using platform::PresentCount;
using platform::PresentRecord;
std::vector<PresentRecord> Presents(); // the latest few thousand, oldest first
void ResetPresentCounts();

// Back to the default display: true colour, 1024 x 768 desktop, fresh system palette and
// statistics. Objects the test created stay its own to delete.
void ResetDisplay();

} // namespace platform::testing
