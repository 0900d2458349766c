#include "platform/include/winbase.h"

BOOL WINAPI CloseHandle(HANDLE) {
    return FALSE;
}
