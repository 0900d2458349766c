// What the platform's test controls see of the global-memory blocks.
#pragma once
#include <cstddef>

namespace platform {

// Asked before each GlobalAlloc or GlobalLock of a live block; true makes that call fail.
// Null, the default, fails nothing.
typedef bool (*MemoryFault)();
void SetGlobalAllocFault(MemoryFault fault);
void SetGlobalLockFault(MemoryFault fault);

// Blocks allocated and not yet freed.
std::size_t LiveGlobalBlockCount();

} // namespace platform
