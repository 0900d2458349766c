// Test controls of MessageBoxA: every box is recorded here.
#pragma once
#include <string>
#include <vector>

#include "platform/include/windef.h"

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
// (the box's default button, IDOK for MB_OK).
void SetMessageBoxResult(int result);

} // namespace platform::testing
