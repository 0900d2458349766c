// Win32 subset: the process's command line (kernel32) and multi-byte character stepping
// (user32).
#pragma once
#include "platform/api/types.h"

// The whole command line as one string, program path first; empty until the process entry
// has set it.
LPSTR WINAPI GetCommandLineA(void);
// The next character of a string in the system code page (UTF-8 here); the end stays put.
LPSTR WINAPI CharNextA(LPCSTR current);
