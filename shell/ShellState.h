// Process-wide state of the screen-saver shell, shared by the command line, the saver window
// and the password hooks.
#pragma once

#include "platform/win32.h"

// ImmAssociateContext: gives a window an input context, returning the previous one.
typedef HANDLE(CALLBACK* ImeAssociateProc)(HWND window, HANDLE context);

struct ShellState {
    HMODULE moduleHandle = nullptr;
    bool win9xFamily = false; // the password hooks exist only there
    HWND saverWindow = nullptr;
    bool previewMode = false;
    bool closeAccepted = false; // from then on input is no longer interpreted
    bool verifying = false;     // a password check is running
    POINT lastCursor{};         // mouse drift is measured from here
    ImeAssociateProc imeFunction = nullptr;
    HANDLE savedImeContext = nullptr;
};

extern ShellState shellState;

// Back to the state of a fresh process (tests run many saver windows in one).
void ResetShellState();
