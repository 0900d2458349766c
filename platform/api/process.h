// Win32 subset: the process's command line, start-up information and end (kernel32), and
// multi-byte character stepping (user32).
#pragma once
#include "platform/api/types.h"

#define STARTF_USESHOWWINDOW 0x00000001

struct STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
};
typedef STARTUPINFOA* LPSTARTUPINFOA;

// The whole command line as one string, program path first; empty until the process entry
// has set it.
LPSTR WINAPI GetCommandLineA(void);
VOID WINAPI GetStartupInfoA(LPSTARTUPINFOA startupInfo);
// The next character of a string in the system code page (UTF-8 here); the end stays put.
LPSTR WINAPI CharNextA(LPCSTR current);
[[noreturn]] VOID WINAPI ExitProcess(UINT exitCode);
