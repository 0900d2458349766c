// The one header through which the application, the shell and the engine reach the
// operating system. On Windows it is the real Win32 API; elsewhere it is our own
// provision of the subset the program uses, with the same names, types and layouts.
#pragma once

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <vfw.h>
#else
#include "platform/include/commctrl.h"
#include "platform/include/mmsystem.h"
#include "platform/include/shellapi.h"
#include "platform/include/vfw.h"
#include "platform/include/winbase.h"
#include "platform/include/windef.h"
#include "platform/include/wingdi.h"
#include "platform/include/winreg.h"
#include "platform/include/winuser.h"
#endif
