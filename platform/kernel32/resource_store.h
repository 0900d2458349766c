// The program's resource store: what a Windows module carries in its resource section.
// Generated code registers the embedded resources at static initialisation.
#pragma once
#include <vector>

#include "platform/include/windef.h"

namespace platform {

// The handle GetModuleHandleA(nullptr) gives.
HMODULE ProgramModule();
// Whether a module handle names the program: null does too.
bool IsProgramModule(HMODULE module);

// `type` and `name` are integers (MAKEINTRESOURCEA) or strings, copied. The bytes are not
// copied: they must stay valid and unchanged while registered. Registering an existing
// type and name replaces the entry.
void RegisterResource(LPCSTR type, LPCSTR name, const void* data, DWORD size);
// The same with a copy of `bytes` that the store owns until the entry is removed.
void RegisterResourceCopy(LPCSTR type, LPCSTR name, std::vector<BYTE> bytes);
// Returns whether an entry was removed; its handles become invalid.
bool UnregisterResource(LPCSTR type, LPCSTR name);

// A string-table entry (the text is copied); an existing id is replaced.
void RegisterString(UINT id, LPCSTR text);
bool UnregisterString(UINT id);

} // namespace platform
