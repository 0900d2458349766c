// SystemParametersInfoA: only the saver-running flag, kept in the process.
#include "platform/testing/modules.h"
#include "platform/win32.h"

namespace {

BOOL saverRunning = FALSE;

} // namespace

BOOL WINAPI SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT) {
    switch (action) {
    case SPI_SETSCREENSAVERRUNNING:
        if (pvParam) *static_cast<BOOL*>(pvParam) = saverRunning;
        saverRunning = uiParam ? TRUE : FALSE;
        return TRUE;
    case SPI_GETSCREENSAVERRUNNING:
        if (!pvParam) return FALSE;
        *static_cast<BOOL*>(pvParam) = saverRunning;
        return TRUE;
    default:
        return FALSE;
    }
}

namespace platform::testing {

bool SaverRunningFlag() {
    return saverRunning != FALSE;
}

} // namespace platform::testing
