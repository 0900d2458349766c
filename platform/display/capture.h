// The picture of a top-level window as last presented, for recordings and tools.
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

} // namespace platform
