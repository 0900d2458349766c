#include "app/SettingsDialog.h"
#include "shell/SaverHooks.h"

int ShowSettingsDialog(HWND owner) {
    // The count spinners are up-down controls, whose class the common controls register.
    InitCommonControls();
    return int(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kSettingsDialogTemplate),
                               owner, SettingsDialogProc, 0));
}
