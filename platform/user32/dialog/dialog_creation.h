// Making a dialog window and its controls from a template.
#pragma once
#include "platform/user32/dialog/dialog_template.h"

namespace platform {

// The dialog after WM_INITDIALOG, hidden unless its template says WS_VISIBLE; null when the
// window or one of its controls could not be made (unless DS_NOFAILCREATE), or when it was
// destroyed while initialising.
HWND CreateDialogWindow(HINSTANCE instance, const DialogDescription& description, HWND owner,
                        DLGPROC procedure, LPARAM param);

} // namespace platform
