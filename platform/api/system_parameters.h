// Win32 subset: system-wide parameters (user32); only what the saver tells the system.
#pragma once
#include "platform/api/types.h"

#define SPI_SETSCREENSAVERRUNNING 97
#define SPI_SCREENSAVERRUNNING SPI_SETSCREENSAVERRUNNING
#define SPI_GETSCREENSAVERRUNNING 114

// SPI_SETSCREENSAVERRUNNING: uiParam is the new flag, pvParam receives the previous one.
// SPI_GETSCREENSAVERRUNNING: pvParam receives the flag.
BOOL WINAPI SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);
