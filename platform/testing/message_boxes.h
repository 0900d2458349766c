// Test controls of MessageBoxA: every box is recorded here. They exist on the real Win32 too,
// where each box is answered as soon as it appears.
#pragma once
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::testing {

struct RecordedMessageBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// Returns the boxes shown since the last take or clear, oldest first, and forgets them.
std::vector<RecordedMessageBox> TakeMessageBoxes();
void ClearMessageBoxes();
// The result the next boxes return when no display presents them; 0 restores the default
// (the box's default button, IDOK for MB_OK). On the real Win32 it is the button pressed.
void SetMessageBoxResult(int result);

} // namespace platform::testing
