// Win32 subset of shellapi.h (shell32): opening an address through the desktop.
#pragma once
#include "platform/include/windef.h"
#include "platform/include/winreg.h"

#define SEE_MASK_DEFAULT 0x00000000
#define SEE_MASK_NOCLOSEPROCESS 0x00000040

// Results at or below 32 are errors.
#define SE_ERR_FNF 2
#define SE_ERR_OOM 8
#define SE_ERR_NOASSOC 31

struct SHELLEXECUTEINFOA {
    DWORD cbSize;
    ULONG fMask;
    HWND hwnd;
    LPCSTR lpVerb;
    LPCSTR lpFile;
    LPCSTR lpParameters;
    LPCSTR lpDirectory;
    int nShow;
    HINSTANCE hInstApp;
    void* lpIDList;
    LPCSTR lpClass;
    HKEY hkeyClass;
    DWORD dwHotKey;
    HANDLE hIcon;
    HANDLE hProcess;
};
typedef SHELLEXECUTEINFOA* LPSHELLEXECUTEINFOA;

// Only addresses can be opened here: an http, https or mailto address as the file, handed to
// the desktop's opener (which picks the user's browser or mail program); or the stand-in
// browser program "iexplore.exe" (any folder, any case) with an http or https address among
// its parameters, opened in the default browser. Anything else fails with SE_ERR_NOASSOC.
// The opener is started on its own and never waited for; no process handle is given back.
HINSTANCE WINAPI ShellExecuteA(HWND window, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                               LPCSTR directory, INT show);
// As ShellExecuteA; hInstApp holds the result, hProcess is null.
BOOL WINAPI ShellExecuteExA(SHELLEXECUTEINFOA* info);
