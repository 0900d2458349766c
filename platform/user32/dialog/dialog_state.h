// What the dialog manager keeps for each dialog window besides its window longs.
#pragma once
#include "platform/win32.h"

namespace platform {

struct DialogState {
    HFONT font = nullptr;
    bool ownsFont = false;
    SIZE baseUnits{};
    int defaultId = 0; // 0: the dialog's default push button is found by asking the buttons
    HWND savedFocus = nullptr;
    HWND disabledOwner = nullptr; // enabled again when the dialog ends
    bool ended = false;
    INT_PTR result = 0;
};

// Null for a window that is not a dialog.
DialogState* FindDialogState(HWND dialog);
DialogState& MakeDialogState(HWND dialog);
// Deletes the dialog's own font too.
void ForgetDialogState(HWND dialog);

// The window longs DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER.
constexpr int kDialogExtraBytes = DWLP_USER + static_cast<int>(sizeof(LONG_PTR));

} // namespace platform
