// Test controls of the resource store: tests add their own resources and strings and remove
// them again when done.
#pragma once
#include <vector>

#include "platform/include/windef.h"

namespace platform::testing {

// Registers a copy of `bytes` that the store owns until the entry is removed.
void AddResource(LPCSTR type, LPCSTR name, std::vector<BYTE> bytes);
bool RemoveResource(LPCSTR type, LPCSTR name);
void AddString(UINT id, LPCSTR text);
bool RemoveString(UINT id);

} // namespace platform::testing
