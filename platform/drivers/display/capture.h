// The pictures of top-level windows as last presented: what the recording mode and the tools
// read of the display, beyond Win32.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace platform {

struct CapturedPicture {
    LONG width = 0;
    LONG height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top row first
};

// False (and an empty picture) for a window that is not a live top-level window.
bool CaptureTopLevel(HWND topLevel, CapturedPicture* picture);

// Presents the display has made so far (the headless display counts them, others report 0):
// a change means there is a new picture to capture.
int PresentCount();

} // namespace platform
