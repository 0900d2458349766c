// SystemParametersInfoA: only the saver-running flag, kept in the process.
#include "platform/user32/system_parameters.h"
#include "platform/win32.h"

namespace {

BOOL saverRunning = FALSE;

} // namespace

BOOL WINAPI SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT) {
    if (action != SPI_SETSCREENSAVERRUNNING) return FALSE;
    if (pvParam) *static_cast<BOOL*>(pvParam) = saverRunning;
    saverRunning = uiParam ? TRUE : FALSE;
    return TRUE;
}

namespace platform {

bool SaverRunningFlag() {
    return saverRunning != FALSE;
}

} // namespace platform
