// Test controls of the global-memory provision.
#pragma once
#include <cstddef>

namespace platform::testing {

// The next `count` GlobalAlloc calls fail (return null); 0 ends the failures.
void FailNextGlobalAllocs(int count);
// The next `count` GlobalLock calls on live blocks fail (return null).
void FailNextGlobalLocks(int count);
// Blocks allocated and not yet freed, so tests can see leaks.
std::size_t LiveGlobalBlocks();

} // namespace platform::testing
