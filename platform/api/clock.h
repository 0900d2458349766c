// Win32 subset: millisecond clocks and Sleep (kernel32, winmm).
#pragma once
#include "platform/api/types.h"

// Both counters run in milliseconds and wrap at 2^32; take differences as unsigned
// 32-bit subtractions.
DWORD WINAPI GetTickCount(void);
DWORD WINAPI timeGetTime(void);
// Sleep(0) only yields.
VOID WINAPI Sleep(DWORD dwMilliseconds);
