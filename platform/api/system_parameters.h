// Win32 subset: system-wide parameters (user32); only what the saver tells the system.
#pragma once
#include "platform/api/types.h"

#define SPI_SETSCREENSAVERRUNNING 97

// SPI_SETSCREENSAVERRUNNING: uiParam is the new flag, pvParam receives the previous one.
BOOL WINAPI SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);
