// Open registry keys: a handle names a key path and the access it was opened with. The
// predefined roots are handles of their own that never need opening or closing.
#pragma once

#include <string>

#include "platform/include/winreg.h"

namespace platform::registry {

struct OpenKey {
    std::string path;
    REGSAM access;
};

// The key behind a handle, or null for a handle that is neither a root nor open. A root
// has all access.
const OpenKey* LookUpKey(HKEY key);
HKEY OpenHandle(std::string path, REGSAM access);
bool CloseKeyHandle(HKEY key);

} // namespace platform::registry
