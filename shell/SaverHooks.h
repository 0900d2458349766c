// What the shell calls and the application defines: the saver window's procedure and the
// settings dialog. The program links the application after the shell to supply them.
#pragma once

#include "platform/win32.h"

// The application's procedure for the saver window, after the shell's own handling; always
// ends in ShellDefaultProc.
LRESULT CALLBACK SaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The settings mode: the application's settings dialog, shown modally. Returns the dialog's
// result; owner may be null.
int ShowSettingsDialog(HWND owner);
