// Update areas and the WM_PAINT they produce.
#pragma once
#include "platform/user32/message/filter.h"
#include "platform/user32/window/record.h"

namespace platform {

// WM_PAINT for the first shown window (parents before children) that has an update area
// and that the filter accepts. It stays until the window is validated.
bool TakePaintMessage(const MessageFilter& filter, MSG* out);

// Marks the whole client area of a window and its descendants for repaint and erase.
void InvalidateTree(HWND window);

} // namespace platform
