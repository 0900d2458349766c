// The platform family GetVersionExA reports: the NT family unless told otherwise, so the
// test controls can run the 95/98 paths of the program.
#pragma once
#include "platform/include/windef.h"

namespace platform {

void SetReportedPlatformFamily(DWORD platformId);

} // namespace platform
