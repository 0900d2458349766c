// GetVersionExA: an NT-family platform, unless a test selects the 95/98 family.
#include <cstring>

#include "platform/kernel32/version.h"
#include "platform/win32.h"

namespace {

DWORD platformFamily = VER_PLATFORM_WIN32_NT;

} // namespace

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA versionInfo) {
    if (!versionInfo || versionInfo->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return FALSE;
    std::memset(&versionInfo->dwMajorVersion, 0,
                sizeof(OSVERSIONINFOA) - sizeof(versionInfo->dwOSVersionInfoSize));
    const bool win9x = platformFamily == VER_PLATFORM_WIN32_WINDOWS;
    versionInfo->dwMajorVersion = win9x ? 4 : 5;
    versionInfo->dwMinorVersion = win9x ? 10 : 1;
    versionInfo->dwPlatformId = platformFamily;
    return TRUE;
}

namespace platform {

void SetReportedPlatformFamily(DWORD platformId) {
    platformFamily = platformId;
}

} // namespace platform
