// Moving the focus inside a dialog, with the default push button following it: a push button
// that has the focus looks like the default and answers Enter; when the focus leaves push
// buttons, the dialog's own default button takes that look back.
#pragma once
#include "platform/win32.h"

namespace platform {

// Gives a control the focus; an edit gets all of its text selected.
void FocusDialogControl(HWND dialog, HWND control);

// The dialog's default button id (DM_GETDEFID's answer), 0 when it has none.
int DefaultButtonId(HWND dialog);
// Takes the default from the button that has the default style (once its controls exist).
void NoteDefaultButton(HWND dialog);

} // namespace platform
