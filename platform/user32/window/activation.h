// Activation and keyboard focus of the thread's windows.
#pragma once
#include "platform/win32.h"

namespace platform {

// The application as a whole gains or loses activation (the host's focus moved).
void ActivateApplication(bool active);
// A window that is hidden or going away gives up activation and focus (its own or a
// descendant's).
void ReleaseActivation(HWND window);
void ResetActivation();

} // namespace platform
