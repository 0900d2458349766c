// Win32 subset: module handles, module resources and string resources (kernel32, user32).
#pragma once
#include "platform/api/types.h"

#define RT_CURSOR MAKEINTRESOURCEA(1)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_ICON MAKEINTRESOURCEA(3)
#define RT_MENU MAKEINTRESOURCEA(4)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_RCDATA MAKEINTRESOURCEA(10)
#define RT_GROUP_CURSOR MAKEINTRESOURCEA(12)
#define RT_GROUP_ICON MAKEINTRESOURCEA(14)

// Null gives the program's own module, the only one that holds resources.
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
// Names and types are integers (MAKEINTRESOURCEA, or "#123") or strings compared without
// regard to case. A null module means the program's own.
HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);
// The bytes stay in place and unchanged for the life of the process.
LPVOID WINAPI LockResource(HGLOBAL hResData);
BOOL WINAPI FreeResource(HGLOBAL hResData);
// Copies at most cchBufferMax - 1 characters and a NUL; returns the characters copied,
// 0 when the string does not exist.
int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
