// The store's lookups, for the Win32 resource calls.
#pragma once
#include <string>

#include "platform/include/windef.h"

namespace platform {

struct ResourceEntry {
    const BYTE* data;
    DWORD size;
};

// Null when the module holds no such resource.
const ResourceEntry* FindResourceEntry(LPCSTR type, LPCSTR name);
// Whether `candidate` is an entry handed out by FindResourceEntry and still registered.
bool IsResourceEntry(const void* candidate);
// Null when the string table holds no such id.
const std::string* FindStringEntry(UINT id);

} // namespace platform
