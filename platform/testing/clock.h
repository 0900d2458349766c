// Test controls of the clocks: a virtual clock that moves only when told to.
#pragma once
#include "platform/api/types.h"

namespace platform::testing {

// From now on GetTickCount and timeGetTime read `start`, and Sleep(n) advances the clock by
// n and returns at once.
void UseVirtualClock(DWORD start);
// Moves the virtual clock on by `milliseconds` (wrapping at 2^32).
void AdvanceClock(DWORD milliseconds);
// Back to the real clock.
void UseRealClock();

} // namespace platform::testing
