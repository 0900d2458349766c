// Win32 subset: modules loaded by name at run time (kernel32). Here only stand-in modules a
// test registered exist; every other name fails to load.
#pragma once
#include "platform/api/types.h"

typedef INT_PTR(WINAPI* FARPROC)();

HMODULE WINAPI LoadLibraryA(LPCSTR fileName);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName);
BOOL WINAPI FreeLibrary(HMODULE module);
