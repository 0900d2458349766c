#include "platform/kernel32/string_copy.h"

#include <algorithm>
#include <cstring>

namespace platform {

int CopyStringOut(const std::string& text, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    size_t copied = std::min(text.size(), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

} // namespace platform
