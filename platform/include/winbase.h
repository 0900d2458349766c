// Win32 subset of winbase.h (kernel32): memory, clocks, modules, resources, version and the
// command line.
#pragma once
#include "platform/include/windef.h"

typedef size_t SIZE_T;

// Global memory blocks.

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_SHARE 0x2000
#define GMEM_DDESHARE GMEM_SHARE
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// A fixed block's handle is its address; a movable block's handle is not, and its address
// comes from GlobalLock.
HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
LPVOID WINAPI GlobalLock(HGLOBAL hMem);
// Returns nonzero while the block stays locked.
BOOL WINAPI GlobalUnlock(HGLOBAL hMem);
// Returns null on success, the handle when it is not a live block.
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);
// 0 for a handle that is not a live block.
SIZE_T WINAPI GlobalSize(HGLOBAL hMem);

// The millisecond clock, wrapping at 2^32: take differences as unsigned 32-bit subtractions.
DWORD WINAPI GetTickCount(void);
// Sleep(0) only yields.
VOID WINAPI Sleep(DWORD dwMilliseconds);

// Modules loaded by name at run time. Here only stand-in modules a test registered exist;
// every other name fails to load.
typedef INT_PTR(WINAPI* FARPROC)();

HMODULE WINAPI LoadLibraryA(LPCSTR fileName);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName);
BOOL WINAPI FreeLibrary(HMODULE module);

// Module handles and resources.
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

// The platform version.
#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize; // must be sizeof(OSVERSIONINFOA), 148
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
};
typedef OSVERSIONINFOA* LPOSVERSIONINFOA;

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA versionInfo);

// The whole command line as one string, program path first; empty until the process entry
// has set it.
LPSTR WINAPI GetCommandLineA(void);

// Kernel object handles (processes, files, events): none are handed out here, so closing one
// always fails.
BOOL WINAPI CloseHandle(HANDLE object);
