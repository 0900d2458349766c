#include "platform/drivers/display/display_size.h"

#include <cstdio>

namespace platform {

const char* DisplaySizeProblem(const char* text, SIZE* size) {
    long width = 0;
    long height = 0;
    char tail = 0;
    if (!text || std::sscanf(text, "%ldx%ld%c", &width, &height, &tail) != 2 || width < 1 ||
        height < 1)
        return "is not a size WxH";
    if (width > kLargestDisplaySize.cx || height > kLargestDisplaySize.cy)
        return "is larger than 7680x4320 (8K), the largest size supported; larger would need "
               "gigabytes of memory";
    *size = {LONG(width), LONG(height)};
    return nullptr;
}

} // namespace platform
