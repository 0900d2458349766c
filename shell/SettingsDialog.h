// The settings mode: the application's settings dialog, shown modally.
#pragma once

#include "platform/win32.h"

// The dialog's result; owner may be null.
int ShowSettingsDialog(HWND owner);
