// The multimedia clock: the kernel's millisecond counter, so both read the same time.
#include "platform/win32.h"

DWORD WINAPI timeGetTime(void) {
    return GetTickCount();
}
