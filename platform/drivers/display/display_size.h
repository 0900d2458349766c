// Sizes of displays given as text ("WxH"), by the environment and the recorder's options.
#pragma once
#include "platform/include/windef.h"

namespace platform {

// The largest display made in memory: 8K UHD. Each pixel there costs 4 bytes of framebuffer,
// 1 of stage and, when recorded, 4 of capture and 1 of GIF, about 330 MB in all; twice the
// width and height would need over a gigabyte.
inline constexpr SIZE kLargestDisplaySize{7680, 4320};

// Why text is no usable size "WxH" (whole numbers from 1 up to kLargestDisplaySize, nothing
// around them), for a message after the text; null when it is one, and then *size is set.
const char* DisplaySizeProblem(const char* text, SIZE* size);

} // namespace platform
