#include "shell/SaverHooks.h"

#include <cstdio>

// The dialog itself is not part of the program yet.
int ShowSettingsDialog(HWND) {
    std::fputs("lumaris: the settings dialog is not available yet\n", stderr);
    return -1;
}
